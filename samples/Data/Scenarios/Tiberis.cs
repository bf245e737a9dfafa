// Tiberis: scenario script.
// Two invasions from the south and the sea, three calls for troops from
// Rome, a flood of the Bagradas, and wage changes for both classes.

using Valdorum.Scenario;

public class TiberisScript : ScenarioScript
{
    private InvasionSetup[] mInvasions;
    private NatureEvent mNatureEvent;

    public override void SetupInvasions()
    {
        mInvasions = new InvasionSetup[2];

        // Carthaginian mercenaries besiege the city after two years; no ransom
        // buys them off below 1500 denarii.
        mInvasions[0] = new InvasionSetup(ePeople.kCarthaginian, eInvasionType.kInvasion, 1500, 96, 12);
        mInvasions[0].AddCohort(eCohortType.Cohort_Lt, 4, 0);
        mInvasions[0].AddCohort(eCohortType.Cohort_Hvy, 3, 0);
        mInvasions[0].AddCohort(eCohortType.Cohort_Catapult, 2, 0);
        mInvasions[0].AddCohort(eCohortType.Cohort_Siege, 1, 0);
        mInvasions[0].CreateInvasion(0, 0);

        // Greek pirates raid the harbour every year, and they cannot be
        // bought off.
        mInvasions[1] = new InvasionSetup(ePeople.kGreek,
            eInvasionType.kRaid, 0, 53, 4);
        mInvasions[1].AddCohort(eCohortType.Cohort_Cav, 3, 1);
        mInvasions[1].AddCohort(eCohortType.Cohort_Aux, 2, 1);
        mInvasions[1].CreateInvasion(1, 48);
    }

    public override void SetupMilitaryRequests()
    {
        MilitaryRequest request;
        MilitaryRequestInfo requestInfo;

        requestInfo = new MilitaryRequestInfo();
        request = new MilitaryRequest();
        requestInfo.mRequestID = 0;
        requestInfo.mReward = 10;
        requestInfo.mPenalty = 5;
        requestInfo.mStartWeek = 60;
        requestInfo.mRecursionWeek = 0;
        requestInfo.mDeadline = 24;
        request.AddCohort(eCohortType.Cohort_Lt, 2);
        request.AddCohort(eCohortType.Cohort_Hvy, 1);
        request.AddMilitaryRequest(requestInfo);

        requestInfo = new MilitaryRequestInfo();
        request = new MilitaryRequest();
        requestInfo.mRequestID = 1;
        requestInfo.mReward = 0;
        requestInfo.mPenalty = 0;
        requestInfo.mStartWeek = 100;
        requestInfo.mRecursionWeek = 48;
        requestInfo.mDeadline = 8;
        request.AddCohort(eCohortType.Cohort_Cav, 2);
        request.AddCohort(eCohortType.Cohort_Aux, 3);
        request.AddCohort(eCohortType.Cohort_Catapult, 1);
        request.AddMilitaryRequest(requestInfo);

        requestInfo = new MilitaryRequestInfo();
        request = new MilitaryRequest();
        requestInfo.mRequestID = 2;
        requestInfo.mReward = 15;
        requestInfo.mPenalty = 8;
        requestInfo.mStartWeek = 150;
        request.AddCohort(eCohortType.Cohort_Hvy, 4);
        request.AddMilitaryRequest(requestInfo);
    }

    public override void SetupEvents()
    {
        // The Bagradas floods the lower town in the spring of the third year.
        mNatureEvent = new NatureEvent(eNatureEventType.kFlood, 100, 2);
        AddNatureEvent(mNatureEvent);

        AddWageChange(eWageTypes.kPlebeians, 72, 2);
        AddWageChange(eWageTypes.kEquestrians, 120, 5);
    }
}
