#pragma once
// Copy numbers rebuilt from the titles: every run of rows with exactly the same title (case and
// blanks included) is one copy group numbered 1, 2, 3 ... in NbrExemplaire, its last row alone
// MaxExemplaire. Rows are taken in the database's own title order, books and other media alike.
#include "platform/db/Query.h"

namespace catalogue {

// Works on the scratch query, in one bulk transaction.
void RenumberCopies(db::Query& ars);

}  // namespace catalogue
