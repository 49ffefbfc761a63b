#include "tools/drive/ScenarioScript.h"

#include "platform/text/TextLines.h"

#include <map>

namespace drive {

ScriptError::ScriptError(int line, const QString& message)
    : std::runtime_error(QStringLiteral("line %1: %2").arg(line).arg(message).toStdString())
{
}

namespace {

int toNumber(const QString& word, int line)
{
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok)
        throw ScriptError(line, QStringLiteral("not a number: %1").arg(word));
    return n;
}

}  // namespace

std::vector<Action> parseScript(const QString& script)
{
    static const std::map<QString, ActionKind> verbs = {
        {"scan", ActionKind::Scan}, {"type", ActionKind::Type}, {"key", ActionKind::Key},
        {"click", ActionKind::Click}, {"clickat", ActionKind::ClickAt}, {"tab", ActionKind::Tab},
        {"menu", ActionKind::Menu},
        {"answer", ActionKind::Answer}, {"wait", ActionKind::Wait}, {"wait-page", ActionKind::WaitPage},
        {"expect-visible", ActionKind::ExpectVisible}, {"expect-hidden", ActionKind::ExpectHidden},
        {"expect-text", ActionKind::ExpectText}, {"expect-page-text", ActionKind::ExpectPageText},
        {"expect-focus", ActionKind::ExpectFocus},
        {"show", ActionKind::Show}, {"screenshot", ActionKind::Screenshot}, {"quit", ActionKind::Quit},
        {"realclick", ActionKind::RealClick}, {"realdoubleclick", ActionKind::RealDoubleClick},
        {"realrightclick", ActionKind::RealRightClick}, {"realwheel", ActionKind::RealWheel},
        {"realtype", ActionKind::RealType}, {"realkey", ActionKind::RealKey},
    };
    std::vector<Action> actions;
    const QStringList lines = text::splitLines(script);
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i];
        const QString stripped = line.trimmed();
        if (stripped.isEmpty() || stripped.startsWith(u'#'))
            continue;
        // The verb ends at the first space; everything after that one space is the argument,
        // so typed text keeps its own spaces.
        const qsizetype space = stripped.indexOf(u' ');
        const QString verb = space < 0 ? stripped : stripped.left(space);
        const QString arg = space < 0 ? QString() : stripped.mid(space + 1);
        const auto it = verbs.find(verb);
        if (it == verbs.end())
            throw ScriptError(lineNo, QStringLiteral("unknown action: %1").arg(verb));
        Action a;
        a.kind = it->second;
        a.line = lineNo;
        auto require = [&](bool ok, const char* what) {
            if (!ok)
                throw ScriptError(lineNo, QStringLiteral("%1 needs %2").arg(verb, what));
        };
        switch (a.kind) {
        case ActionKind::Scan:
        case ActionKind::Type:
        case ActionKind::Answer:
            a.text = arg;
            break;
        case ActionKind::Key:
        case ActionKind::Screenshot:
        case ActionKind::RealType:
        case ActionKind::RealKey:
            require(!arg.isEmpty(), "an argument");
            a.text = arg;
            break;
        case ActionKind::Click:
        case ActionKind::Tab:
        case ActionKind::ExpectVisible:
        case ActionKind::ExpectHidden:
        case ActionKind::ExpectFocus:
        case ActionKind::Show:
        case ActionKind::WaitPage:
            require(!arg.isEmpty() && !arg.contains(u' '), "a control name");
            a.control = arg;
            break;
        case ActionKind::ExpectText:
        case ActionKind::ExpectPageText: {
            const qsizetype s = arg.indexOf(u' ');
            require(!arg.isEmpty(), "a control name");
            a.control = s < 0 ? arg : arg.left(s);
            a.text = s < 0 ? QString() : arg.mid(s + 1);
            require(a.kind == ActionKind::ExpectText || !a.text.isEmpty(), "a control name and a text");
            break;
        }
        case ActionKind::ClickAt: {
            const QStringList xy = arg.split(u' ', Qt::SkipEmptyParts);
            require(xy.size() == 2, "X and Y");
            a.x = toNumber(xy[0], lineNo);
            a.y = toNumber(xy[1], lineNo);
            break;
        }
        case ActionKind::RealClick:
        case ActionKind::RealDoubleClick:
        case ActionKind::RealRightClick: {
            const QStringList words = arg.split(u' ', Qt::SkipEmptyParts);
            require(!words.isEmpty(), "X and Y, a control name, or a web view's name and a text");
            bool xIsNumber = false;
            bool yIsNumber = false;
            if (words.size() == 2) {
                a.x = words[0].toInt(&xIsNumber);
                a.y = words[1].toInt(&yIsNumber);
            }
            if (!xIsNumber || !yIsNumber) {
                a.control = words[0];
                a.text = arg.mid(arg.indexOf(u' ') + 1).trimmed();
                if (words.size() == 1)
                    a.text.clear();
            }
            break;
        }
        case ActionKind::RealWheel: {
            const QStringList words = arg.split(u' ', Qt::SkipEmptyParts);
            require(words.size() == 2 || words.size() == 3, "X, Y and notches, or a control name and notches");
            if (words.size() == 2) {
                a.control = words[0];
            } else {
                a.x = toNumber(words[0], lineNo);
                a.y = toNumber(words[1], lineNo);
            }
            a.notches = toNumber(words.back(), lineNo);
            break;
        }
        case ActionKind::Menu:
            for (const QString& caption : arg.split(u'>'))
                a.path << caption.trimmed();
            require(!arg.isEmpty() && !a.path.contains(QString()), "captions separated by >");
            break;
        case ActionKind::Wait:
            require(!arg.isEmpty(), "milliseconds");
            a.milliseconds = toNumber(arg, lineNo);
            break;
        case ActionKind::Quit:
            break;
        }
        actions.push_back(a);
    }
    return actions;
}

}  // namespace drive
