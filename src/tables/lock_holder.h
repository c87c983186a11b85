// lock_holder.h - Who holds the pattern-data folder's lock: the one line that a run writes into
// the lock file while it holds the lock, so that a run that waits can say whom it waits for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/text.h"

namespace gdf {

/// A run that holds the lock, as its line in the lock file names it.
struct LockHolder {
  Text computer;   ///< the computer's name
  Text user;       ///< the user's name
  Text processId;  ///< the process id, in decimal
  Text started;    ///< when the run took the lock, "2026-12-09 10:02:05" (local time)

  /// The hour and minute the run took the lock, "10:02" (the whole text when it has no time).
  Text StartedClock() const;
};

/// This process as the holder of a lock taken now.
LockHolder ThisHolder();

/// The holder's line as the lock file holds it: "computer,user,pid,started" in code page 932,
/// ended by CR LF.
std::string HolderLine(const LockHolder& holder);

/// The holder named by the first line of a lock file; nothing when the line names none (an empty
/// file, or a line that another program wrote).
std::optional<LockHolder> ParseHolderLine(std::string_view line);

}  // namespace gdf
