public class ScenarioScript
{
    public void Setup()
    {
        mInvasions = new InvasionSetup[2];
        MilitaryRequest request = new MilitaryRequest();
        mNatureEvent = new NatureEvent(eNatureEvents.kEarthquake, 96);
        SetWage(eWageTypes.kPleb, 4);
        SetWage(eWageTypes.kEques, 9);
        mInvasions = new InvasionSetup[ 3];
        mInvasions = new InvasionSetup[];
    }
}
// Overview: Am Fluss\n\nim Norden\Nund am Meer
