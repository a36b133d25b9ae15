#include "eventlist/recording/LineDrawing.h"
#include "tests/eventlist/app/EventAppFixture.h"

namespace xd::test {
namespace {
}  // namespace
}  // namespace xd::test
