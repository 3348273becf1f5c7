#include "results_header.h"

namespace stampwright {

// Kept apart from the header code so that only this file carries the build moment.
BuildStamp ThisBuild() {
    return {__DATE__, __TIME__};
}

} // namespace stampwright
