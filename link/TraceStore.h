// The traces of the last transfer sessions, kept in the per-user cache folder so that a
// failure can be looked at afterwards without the trace having been switched on first. A
// session (one Read, Write, Reset or Identify, from its start until the program is idle
// again) writes every frame and port event into a file of its own, as the link trace does;
// the newest kKeptSessions files are kept. The user switches this off in Preference
// (KeepLinkTraces = 0).
//
// Sessions are process-wide: while two transfers run at once their lines share one file.
#pragma once

#include "ConfigStore.h"

#include <QString>
#include <QStringList>

namespace zqv::tracestore {

// Absent or nonzero: every transfer session keeps its trace.
inline constexpr ConfigValue KeepLinkTraces{ConfigScope::User, "KeepLinkTraces", ConfigType::Dword, 4};
inline constexpr int kKeptSessions = 10;

// $XDG_CACHE_HOME/Corvane/ZQV CPS/link-traces.
QString DefaultFolder();
// The folder in use (DefaultFolder() unless a test named another).
QString Folder();
void SetFolder(const QString &folder);

// Whether the configuration lets sessions keep traces.
bool Enabled(const CConfigStore &config);

// Starts a session's trace file when the configuration allows it and removes the oldest so
// that kKeptSessions remain. A session already running goes on in its own file.
void BeginSession();
// Ends the session's trace file.
void EndSession();

// The kept trace files, newest first.
QStringList Traces();

}  // namespace zqv::tracestore
