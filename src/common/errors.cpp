// errors.cpp - Helpers that raise the run's common errors.
#include "common/errors.h"

namespace gdf {

void ThrowOverflow(const char* what) {
  Text reason = u"Overflow: ";
  reason.append(FromUtf8(what));
  reason.append(u" is beyond the 16-bit range (32 767).");
  throw RunError(FailureKind::kOverflow, std::move(reason));
}

}  // namespace gdf
