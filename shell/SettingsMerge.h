// Setting groups: which group a firmware version belongs to, and the working setting document
// of one group, merged from UpDownGradeSetting.stv.
//
// The upgrade document describes, per setting group (G1, G2, ...) and per region, which
// codeplug fields exist (CodePlugSetting) and which form controls are visible
// (VisibleSetting), as differences against group 1's common part. A build merges, into
// G1/RegionCommon of a copy of the upgrade document: group 1's region part, the group's
// region part and the group's common part; then adds the controls of every existing codeplug
// field to their pages as visible. The merged VisibleSetting G1/RegionCommon becomes the root
// of the working setting document, which the form views read to show or hide controls.
#pragma once

#include "XmlDom.h"

#include <QString>
#include <memory>

namespace zqv {

// The number of a "XX.YY.ZZ" version: XX*10000 + YY*100 + ZZ, each part read as hexadecimal
// ("0A.10.05" gives 101605). Parts that are not hexadecimal read as far as they are.
qint64 ParseVersionNumber(const QString &text);

// The key by which versions are ordered: (XX, YY, ZZ) compared part by part. The number above
// does not keep that order once a part reads above 0x63 ("5E.03.99" would sort after
// "5E.04.00"), so spans are compared by this key.
qint64 VersionOrderKey(const QString &text);

// The setting group of a firmware version ("R5E.08.00"; leading phase letters D and R are
// ignored): an exact FirmwareVer entry wins, otherwise the first VerSpan in document order
// whose bounds (inclusive) hold the version. 0 when nothing matches.
int GetGroupByVersion(const CXmlDocument &upgradeDoc, const QString &version);

// The merge steps, on `doc` (a copy of the upgrade document); the paths are XPath expressions
// of one node each. Failures throw CZQVCPSException: 293 for a CPField without name or
// isExist, 292 for a control declared both in VisibleSetting and in an existing CPField, and
// 106 for a broken document (a missing node, a value that is not a number, a missing page).
void CodePlugMergeToBase(CXmlDocument &doc, const QString &sourcePath, const QString &basePath);
void VisibleSettingMergeToBase(CXmlDocument &doc, const QString &sourcePath, const QString &basePath);
void MergeCpToBase(CXmlDocument &doc);

// The result of one build: `merged` is the copy of the upgrade document after the merge
// (CodePlugSetting's G1/RegionCommon holds the group's field set), `working` the working
// setting document (root: the merged VisibleSetting RegionCommon).
struct GroupSettingDocs {
    std::shared_ptr<CXmlDocument> merged;
    std::shared_ptr<CXmlDocument> working;
};

// Builds the documents of setting group `group` for region `region` from a fresh copy of
// `upgradeDoc`; the upgrade document itself is never changed, so builds never accumulate.
// Throws as the merge steps do.
GroupSettingDocs MergeGroupSettingDoc(const CXmlDocument &upgradeDoc, int group, const QString &region);

}  // namespace zqv
