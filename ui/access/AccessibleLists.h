// What a screen reader gets for a drop-down list. On Linux the toolkit names a list by its
// current item and leaves the label to a relation, so φ and φ1 would both read "45"; this
// interface answers with the list's own accessible name and keeps the item as its value.
#pragma once

namespace kvr {

// Once, after the application object exists and before any window is read.
void InstallAccessibleLists();

} // namespace kvr
