// Legatus: scenario script.
// The emperor calls for troops against the Dacians twice; an earthquake
// shakes the camp; the plebeians' wages rise.

using Valdorum.Scenario;

public class LegatusScript : ScenarioScript
{
    private NatureEvent mNatureEvent;

    public override void SetupMilitaryRequests()
    {
        MilitaryRequest request;
        MilitaryRequestInfo requestInfo;

        requestInfo = new MilitaryRequestInfo();
        request = new MilitaryRequest();
        requestInfo.mRequestID = 0;
        requestInfo.mReward = 8;
        requestInfo.mPenalty = 4;
        requestInfo.mStartWeek = 36;
        requestInfo.mDeadline = 16;
        request.AddCohort(eCohortType.Cohort_Hvy, 2);
        request.AddCohort(eCohortType.Cohort_Lt, 2);
        request.AddMilitaryRequest(requestInfo);

        requestInfo = new MilitaryRequestInfo();
        request = new MilitaryRequest();
        requestInfo.mRequestID = 1;
        requestInfo.mReward = 12;
        requestInfo.mStartWeek = 120;
        requestInfo.mRecursionWeek = 96;
        requestInfo.mDeadline = 20;
        request.AddCohort(eCohortType.Cohort_Hvy, 3);
        request.AddCohort(eCohortType.Cohort_Cav, 1);
        request.AddCohort(eCohortType.Cohort_Catapult, 2);
        request.AddMilitaryRequest(requestInfo);
    }

    public override void SetupEvents()
    {
        mNatureEvent = new NatureEvent(eNatureEventType.kEarthquake, 80, 3);
        AddNatureEvent(mNatureEvent);

        AddWageChange(eWageTypes.kPlebeians, 48, 1);
    }
}
