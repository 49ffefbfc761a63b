#pragma once
// The end of a school year, as one transaction: every loan is cancelled (the copies keep their
// class, mail and loan count) and every borrower is deleted. The journal and the loan history
// stay. The numbering of the borrowers goes on after the highest number given.
namespace db {
class Connection;
}

namespace pupils {

// The copies whose loan dates were cleared.
int resetLoansAndBorrowers(db::Connection& connection);

}  // namespace pupils
