#pragma once
// The borrowers of the benchmarks' school: 600 pupils in 24 classes, beside the catalogue.
#include <QString>

namespace bench {

constexpr int kBorrowers = 600;
constexpr int kClasses = 24;

// Surname of pupil n (1-based): three syllables, unique among the first 1,000 pupils.
QString borrowerSurname(int n);
// First name of pupil n.
QString borrowerFirstName(int n);
// Class of pupil n: "CP A" to "CM2 D", one pupil in turn to each.
QString borrowerClass(int n);

// Adds the pupils to the database at `path`, numbered from the table's next number in order of n,
// with a mail address and no loan yet (counters unset).
void addBorrowers(const QString& path, int count = kBorrowers);

}  // namespace bench
