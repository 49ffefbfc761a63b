#pragma once
// What a scenario left in the program folder's database, read after the driver has ended.
#include "ProgramFolder.h"

#include <QStringList>

// One column of the rows a statement gives, as text, in the statement's order.
QStringList storedColumn(const ProgramFolder& program, const QString& sql, const QString& field);
