// The profile in memory: it hosts the rule script, loads a profile from a file or from text,
// checks its clone compatibility, adapts it to the setting group of its firmware version
// (adding, with defaults, the fields and tags its group lacks), validates it against the
// profile schema, and on saving takes the adaptation off again or converts the profile to the
// latest format. One model belongs to each open profile; a temporary one checks a file before
// it is opened.
//
// Two documents: the operating document, in which a profile is parsed, checked and adapted,
// and from which the text to save is taken; and the profile document that every data item of
// the views wraps (validated, shared with the rule script).
#pragma once

#include "DataItem.h"
#include "Prompter.h"
#include "XmlDom.h"

#include <QString>
#include <array>
#include <memory>
#include <vector>

namespace zqv {

// The setting group of the latest profile format.
inline constexpr int kLatestSettingGroup = 3;

// The largest profile file that is opened. A full radio (150 contacts, 25 texts) is about
// 80 KB on disk and even 150 private scroll lists of 150 entries stay under 2 MB; anything
// larger is not a radio's profile, and is refused before it is read.
inline constexpr qint64 kMaxProfileBytes = 4 * 1024 * 1024;

// What a radio data model takes from the running application.
struct CModelEnvironment {
    QString installDir;  // holds ProfileTemplate/ (schema and rule script)
    QString regionCode;  // the installation's region ("ZQV")
    std::shared_ptr<const CXmlDocument> upgradeDoc;  // UpDownGradeSetting.stv as loaded at start-up
    IPrompter *prompter = nullptr;  // shows rule-script errors; may be null
};

class CRadioDataModel {
public:
    // One public-group bank: the numbers first..last stand for the PIDs start, start - 1, ...
    struct Bank {
        qint32 size = 0;
        qint32 first = 0;
        qint32 last = -1;  // -1: the bank is not used
        QString startPid;
    };

    explicit CRadioDataModel(CModelEnvironment environment);
    ~CRadioDataModel();
    CRadioDataModel(const CRadioDataModel &) = delete;
    CRadioDataModel &operator=(const CRadioDataModel &) = delete;

    // Starts the rule-script engine with DataProfile.js. Throws 101 when the script does not
    // run (after showing the script's error), 102 when the file is missing.
    bool Initialize();
    // Loads a profile from a file (`fromFile`) or from profile text. On success the profile
    // document, its data-item context and the bank table are replaced; on failure (an
    // exception: 102, 103, 105, 10156) the previously loaded profile stays as it was.
    bool LoadProfile(const QString &source, bool fromFile);
    // Parses, checks and prepares the operating document (no adaptation, no validation).
    bool InitialOperaDoc(const QString &source, bool fromFile);
    // The clone-compatibility check made on the text before it is parsed: false when the
    // text names no clone compatibility (the load goes on), true for "1" and "3"; any other
    // value throws 10156.
    static bool ValidateProfile(const QString &text);
    // Rebuilds the operating document from the profile document and takes off the fields of
    // other setting groups, or, when `convert` is set, everything that is not a field of the
    // latest group. Failures throw 299.
    void TakeOffDoc(bool convert);
    // Sets the operating document's firmware version to the first version of the latest
    // setting group. Failures throw 299.
    void ConvertToLatest();

    bool IsInitialized() const { return m_bInitialized; }
    // The loaded profile: document, schema and rule script, as data items use them.
    const std::shared_ptr<CProfileContext> &Context() const { return m_spContext; }
    std::shared_ptr<CXmlDocument> ProfileDocument() const;
    CDataItem RootItem() const;
    // Puts back a profile document taken from ProfileText (or its UTF-8 bytes) of this model:
    // parsed only, since it was checked and adapted when it was first loaded. The data-item
    // context is replaced, so every data item taken before refers to the old document. False
    // (and the profile as it was) when the text does not parse.
    bool RestoreProfileDocument(const QByteArray &utf8);
    // The profile document as text, and the operating document as text.
    QString ProfileText() const;
    QString OperatingText() const;
    const std::shared_ptr<CXmlDocument> &OperatingDocument() const { return m_spOperaDoc; }

    int GetSettingGroup() const { return m_nSettingGroup; }
    int GetCloneCompatibility() const { return m_nCloneCompatibility; }
    // True when the profile is to be written in code page 1252 (it was read from such a file).
    bool IsSingleByteFormat() const { return m_bSingleByte; }
    void SetSingleByteFormat(bool singleByte) { m_bSingleByte = singleByte; }

    const std::array<Bank, 4> &Banks() const { return m_banks; }

    // One entry of an adaptation list: a field (attribute `name` of every element `node`)
    // or a tag (an element `name` under every element `node`).
    struct AdaptEntry {
        bool isTag = false;
        QString name;
        QString node;  // nodename of a field, parentNode of a tag
        QString defaultValue;  // fields only
        QString replaceBy;  // fields only: take the value of this attribute of the node
        bool optional = false;
    };
    // The add list (fields and tags added on load) and the conversion list (taken off when
    // converting to the latest group).
    const std::vector<AdaptEntry> &AddList() const { return m_addList; }
    const std::vector<AdaptEntry> &ConversionList() const { return m_convertList; }

private:
    void LoadSchema();
    void BuildAdaptationLists();
    std::vector<AdaptEntry> BuildAddList(int group) const;
    void ApplyAddList(CXmlDocument &doc) const;
    void RequireSettingFields(const CXmlDocument &doc, const QString &where) const;
    void BuildBankTable(const CXmlDocument &doc);
    QString ReadInstallationFile(const char *name, const char *plainStart) const;
    QString GroupPath(int group) const;

    CModelEnvironment m_env;
    std::shared_ptr<IRuleScript> m_spScript;
    std::shared_ptr<const CProfileSchema> m_spSchema;
    std::shared_ptr<CProfileContext> m_spContext;
    std::shared_ptr<CXmlDocument> m_spOperaDoc;
    bool m_bInitialized = false;
    int m_nSettingGroup = 0;
    int m_nCloneCompatibility = 0;
    bool m_bSingleByte = false;
    std::vector<AdaptEntry> m_addList;
    std::vector<AdaptEntry> m_convertList;
    std::array<Bank, 4> m_banks{};
};

}  // namespace zqv
