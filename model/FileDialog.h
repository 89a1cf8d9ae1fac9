// How the profile document asks for a file name to save to. The desktop program answers with
// a file dialog, tests with a prepared name; the document itself never opens a window.
#pragma once

#include <QString>

namespace zqv {

class IFileDialog {
public:
    struct SaveRequest {
        QString proposedPath;  // the current path, or the document's title with ".zqv"
        QString filter;  // "ZQV CPS Files (*.zqv);;All Files (*.*)"
        QString defaultExtension;  // without the dot: "zqv"
    };

    virtual ~IFileDialog() = default;
    // A save dialog that asks before overwriting, hides the read-only box and accepts only an
    // existing folder. Returns the chosen path, or an empty string when cancelled.
    virtual QString GetSaveFileName(const SaveRequest &request) = 0;
};

}  // namespace zqv
