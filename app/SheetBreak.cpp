#include "app/SheetBreak.h"

namespace app {

QString sheetBreak()
{
    return QStringLiteral("  </td> </tr> </table> <STYLE> BR.page { page-break-after: always } </STYLE> <BR CLASS=page>"
                          "<STYLE> DIV.sheetEnd ~ TABLE:not(:empty) { break-before: page } </STYLE>"
                          "<DIV CLASS=sheetEnd></DIV>");
}

}  // namespace app
