#include "platform/qtview/ListItems.h"

#include "platform/qtview/Convert.h"

namespace qtview {

QStringList EntriesOf(const forms::ListControl& list) {
    QStringList entries;
    entries.reserve(list.ListCount());
    for (vb::Integer i = 0; i < list.ListCount(); ++i)
        entries.push_back(ToQt(list.List(i)));
    return entries;
}

}  // namespace qtview
