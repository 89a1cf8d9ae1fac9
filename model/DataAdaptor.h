// Conversions between profile text and the virtual codeplug record.
//
// XML2VirtualCP fills a record from a profile (applying the private scroll list of the radio
// about to be written), VirtualCP2XML writes the profile text of a record in the fixed layout
// the program produces for a radio read, and SortProfileText puts such text into the order in
// which profiles are kept (contacts and messages by the name collation).
#pragma once

#include "VirtualCPData.h"
#include "XmlDom.h"

#include <QString>
#include <memory>

namespace zqv {

class CDataAdaptor {
public:
    // Fills `record` from profile text. `ownPid` is the private ID of the radio about to be
    // written (empty when the radio was not asked): when that radio's own private contact has
    // a private scroll list, its list replaces the global scroll list in the record.
    // Every attribute it reads is required; a missing one throws 106 and leaves the record
    // partly filled (it must not be sent). Never stores past the record's slots. Returns 1.
    static int XML2VirtualCP(const QString &text, VirtualCPData &record, const QString &ownPid = QString());

    // Parses profile text into a fresh document and, when the private contact whose `pid` is
    // `ownPid` has `private_scroll_list` set, makes its private scroll list the global one:
    // `in_scroll_list` becomes 1 exactly on the contacts named in that list. The text itself
    // is not changed.
    static std::shared_ptr<CXmlDocument> CopyPrvtScrlLst(const QString &text, const QString &ownPid);

    // Writes the profile text of a record. Returns 1.
    static int VirtualCP2XML(const VirtualCPData &record, QString &text);

    // The normalising sort: TextMessages by `txt`, Privates, PublicGroups and PrivateGroups by
    // `name`, all ascending under the name collation (equal keys keep their order).
    static void SortProfileText(QString &text);
    // The same sort on a parsed profile.
    static void SortProfileDocument(CXmlDocument &doc);
};

}  // namespace zqv
