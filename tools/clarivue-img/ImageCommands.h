// The clarivue-img commands that reach the image library: resampling, compositing, gradients
// the effects and the capture finishing. Each takes the arguments after its own name and returns the exit status.
#pragma once

#include "tools/clarivue-img/CommandSupport.h"

namespace zentrova::img {

int RunResize(const Arguments& args);
int RunDisplayResize(const Arguments& args);
int RunBlend(const Arguments& args);
int RunPremultiply(const Arguments& args);
int RunReplace(const Arguments& args, bool allBut);
int RunGradient(const Arguments& args);
int RunEffect(const Arguments& args);
int RunFinish(const Arguments& args);

}  // namespace zentrova::img
