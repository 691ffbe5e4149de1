// The programs of the window tests of the skinned user interface, one executable (one link):
// each takes the arguments after its name, argv[0] being that name.
#pragma once

int ButtonBarProbeMain(int argc, wchar_t** argv);
int DialogDemoMain(int argc, wchar_t** argv);
int MenuSkinDemoMain(int argc, wchar_t** argv);
