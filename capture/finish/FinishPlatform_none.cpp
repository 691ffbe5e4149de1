// The native build has no system drawing for the pipeline.
#include "capture/finish/FinishPipeline.h"

namespace zentrova {

std::unique_ptr<FinishPlatform> MakeSystemFinishPlatform() {
    return std::make_unique<NoFinishPlatform>();
}

}  // namespace zentrova
