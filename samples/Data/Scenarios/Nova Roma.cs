// Nova Roma: scenario script.
// Parthian pillagers come out of the desert; the equites ask for more pay.

using Valdorum.Scenario;

public class NovaRomaScript : ScenarioScript
{
    private InvasionSetup[] mInvasions;

    public override void SetupInvasions()
    {
        mInvasions = new InvasionSetup[1];

        mInvasions[0] = new InvasionSetup(ePeople.kParthian, eInvasionType.kPillagers, 800, 150, 6);
        mInvasions[0].AddCohort(eCohortType.Cohort_Cav, 5, 2);
        mInvasions[0].AddCohort(eCohortType.Cohort_Lt, 2, 2);
        mInvasions[0].CreateInvasion(0, 72);
    }

    public override void SetupEvents()
    {
        AddWageChange(eWageTypes.kEquestrians, 96, 4);
    }
}
