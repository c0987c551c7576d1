#include "simulation/SimTestHelpers.h"

namespace logivane::test {

LV_REGISTER_CLASS(TTestSource)
LV_REGISTER_CLASS(TTestProbe)

}  // namespace logivane::test
