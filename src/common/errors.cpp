// errors.cpp - Helpers that raise the run's common errors.
#include "common/errors.h"

namespace gdf {

void ThrowOverflow(MessageId what) {
  throw RunError(FailureKind::kOverflow, Say(MessageId::kOverflow16, {Say(what)}));
}

}  // namespace gdf
