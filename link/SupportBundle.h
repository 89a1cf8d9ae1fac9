// The support bundle: one zip file a dealer sends in when a radio will not talk to the
// program. It holds the last link traces, the program's version, the system (distribution,
// Qt and libxml2 versions), the configuration without the dealer texts and without the
// recent files' paths, the troubleshooter's last result and a summary of the open profile.
// Names, IDs and the codeplug password stay out unless the user asks for them: the profile
// summary then lists the contacts, and the traces keep their whole frames (which carry the
// contacts and the password); otherwise a frame keeps only its first bytes, which say what
// the command was.
#pragma once

#include "XmlDom.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

namespace zqv {

class CConfigStore;

struct SupportBundleInput {
    QString programVersion;
    QStringList traces;  // trace files, newest first
    const CConfigStore *config = nullptr;
    QString doctorReport;  // empty when the troubleshooter has not run
    std::shared_ptr<const CXmlDocument> profile;  // null when no profile is open
    bool includeNames = false;  // contacts' names and IDs, whole frames
};

// The bytes of a frame that a bundle keeps without names: the start, the command and the
// length.
inline constexpr int kBundleFrameBytes = 4;

// A trace line as the bundle keeps it: TX and RX lines cut to their first bytes, with the
// number of bytes left out; other lines as they are.
QString RedactTraceLine(const QString &line);

// The profile's model, firmware and counts; with `withNames` also each contact's name and ID.
QString ProfileSummaryText(const CXmlDocument &profile, bool withNames);

// The distribution, Qt and libxml2 versions.
QString SystemText();

// The zip file's bytes. Entry names: README.txt, version.txt, system.txt, configuration.txt,
// troubleshooter.txt, profile.txt, traces/<trace file name>.
QByteArray BuildSupportBundle(const SupportBundleInput &input, QString *error = nullptr);

// Builds the bundle and saves it at `path` (replacing a file only when complete).
bool SaveSupportBundle(const QString &path, const SupportBundleInput &input, QString *error = nullptr);

}  // namespace zqv
