// VyxTestPch.cpp: the unit that builds the precompiled header the test programs share.
