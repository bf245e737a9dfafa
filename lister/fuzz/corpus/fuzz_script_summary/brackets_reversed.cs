mInvasions = new InvasionSetup]7[;
