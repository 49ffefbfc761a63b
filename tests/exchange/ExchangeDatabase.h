#pragma once
// An empty database as the installation delivers it, with a scratch query, and reading rows back.
#include "DeliveredDatabase.h"

class ExchangeDatabase : public DeliveredDatabase {
protected:
    ExchangeDatabase() { ars = std::make_unique<db::Query>(*connection); }

    std::unique_ptr<db::Query> ars;
};
