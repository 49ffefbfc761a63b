#include "platform/db/Params.h"
#include "platform/db/ErrorTexts.h"

#include "platform/db/Error.h"

#include <algorithm>

namespace db {

Params& Params::add(const Value& value)
{
    positional_.push_back(value);
    return *this;
}

Params& Params::set(const QString& name, const Value& value)
{
    const auto same = [&name](const auto& entry) { return entry.first.compare(name, Qt::CaseInsensitive) == 0; };
    const auto it = std::find_if(named_.begin(), named_.end(), same);
    if (it != named_.end())
        it->second = value;
    else
        named_.emplace_back(name, value);
    return *this;
}

// Replaces the parameters one by one, noting which values were taken, and checks at the end
// that every value was.
class Params::Binder {
public:
    explicit Binder(const Params& params)
        : params_(params), positionalUsed_(params.positional_.size()), namedUsed_(params.named_.size())
    {
    }

    void literal(Literal& l)
    {
        if (l.kind != Literal::Kind::Parameter)
            return;
        if (l.position >= 0) {
            if (size_t(l.position) >= params_.positional_.size())
                throw Error(Error::Kind::Syntax, errorTexts().missingParameterValue.arg(positionalName(l.position)));
            positionalUsed_[size_t(l.position)] = true;
            l = Literal::bound(params_.positional_[size_t(l.position)]);
            return;
        }
        for (size_t i = 0; i < params_.named_.size(); ++i) {
            if (params_.named_[i].first.compare(l.text, Qt::CaseInsensitive) == 0) {
                namedUsed_[i] = true;
                l = Literal::bound(params_.named_[i].second);
                return;
            }
        }
        throw Error(Error::Kind::Syntax, errorTexts().missingParameterValue.arg(u':' + l.text));
    }

    void condition(Condition& c)
    {
        literal(c.value);
        for (Condition& operand : c.operands)
            condition(operand);
    }

    void condition(std::optional<Condition>& c)
    {
        if (c)
            condition(*c);
    }

    void statement(Statement& s)
    {
        std::visit([this](auto& each) { visit(each); }, s);
    }

    void finish() const
    {
        const auto unused = std::find(positionalUsed_.begin(), positionalUsed_.end(), false);
        if (unused != positionalUsed_.end()) {
            throw Error(Error::Kind::Syntax,
                        errorTexts().unusedParameterValue.arg(positionalName(int(unused - positionalUsed_.begin()))));
        }
        for (size_t i = 0; i < namedUsed_.size(); ++i) {
            if (!namedUsed_[i])
                throw Error(Error::Kind::Syntax, errorTexts().unusedParameterValue.arg(u':' + params_.named_[i].first));
        }
    }

private:
    // "?2": the second "?" of the text.
    static QString positionalName(int position) { return u'?' + QString::number(position + 1); }

    void visit(SelectStatement& s) { condition(s.where); }
    void visit(DeleteStatement& s) { condition(s.where); }
    void visit(UpdateStatement& s)
    {
        for (auto& assignment : s.assignments)
            literal(assignment.second);
        condition(s.where);
    }
    void visit(InsertStatement& s)
    {
        for (Literal& value : s.values)
            literal(value);
    }

    const Params& params_;
    std::vector<bool> positionalUsed_;
    std::vector<bool> namedUsed_;
};

void Params::bind(Statement& statement) const
{
    Binder binder(*this);
    binder.statement(statement);
    binder.finish();
}

void Params::bind(std::optional<Condition>& condition) const
{
    Binder binder(*this);
    binder.condition(condition);
    binder.finish();
}

}  // namespace db
