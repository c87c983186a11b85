// errors.cpp - Helpers that raise the run's common errors.
#include "common/errors.h"

namespace gdf {

void ThrowOverflow(const char* what) {
  throw RunError(FailureKind::kOverflow, Say(MessageId::kOverflow16, {FromUtf8(what)}));
}

}  // namespace gdf
