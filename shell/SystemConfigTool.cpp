// zqv-sysconfig: writes the machine-wide configuration that an installer provides
// (DefaultLanguage, InstallPath and the per-language files) into <folder>/Corvane/ZQV CPS.conf.
// The build runs it for the build tree and `cmake --install` for the installed prefix, so the
// program starts without any set-up by hand.
//
//   zqv-sysconfig --folder DIR --install-path PATH --default-language NAME
//                 [--gui-resource LANGUAGE=FILE]... [--help-file LANGUAGE=FILE]...
#include "ConfigStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

using namespace zqv;

namespace {

int Usage(const QString &problem)
{
    QTextStream(stderr) << "zqv-sysconfig: " << problem << "\n"
                        << "usage: zqv-sysconfig --folder DIR --install-path PATH --default-language NAME "
                           "[--gui-resource LANGUAGE=FILE]... [--help-file LANGUAGE=FILE]...\n";
    return 2;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString folder, installPath, defaultLanguage;
    std::vector<std::tuple<const ConfigValue *, QString, QString>> languageFiles;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (i + 1 >= args.size())
            return Usage(QStringLiteral("%1 needs a value").arg(option));
        const QString value = args.at(++i);
        if (option == QLatin1String("--folder")) {
            folder = value;
        } else if (option == QLatin1String("--install-path")) {
            installPath = value;
        } else if (option == QLatin1String("--default-language")) {
            defaultLanguage = value;
        } else if (option == QLatin1String("--gui-resource") || option == QLatin1String("--help-file")) {
            const qsizetype eq = value.indexOf(QLatin1Char('='));
            if (eq <= 0)
                return Usage(QStringLiteral("%1 takes LANGUAGE=FILE").arg(option));
            const ConfigValue *which =
                option == QLatin1String("--gui-resource") ? &config::GUIResource : &config::HelpFileName;
            languageFiles.emplace_back(which, value.left(eq), value.mid(eq + 1));
        } else {
            return Usage(QStringLiteral("unknown option %1").arg(option));
        }
    }
    if (folder.isEmpty() || installPath.isEmpty() || defaultLanguage.isEmpty())
        return Usage(QStringLiteral("--folder, --install-path and --default-language are required"));

    // Start from an empty file, so values of an earlier run never linger. Only the machine's
    // scope is written; the user's scope of this store is never touched.
    QFile::remove(CConfigStore::ConfigFileIn(folder));
    CConfigStore store(folder, folder);
    bool ok = store.Write(config::DefaultLanguage, defaultLanguage) && store.Write(config::InstallPath, installPath);
    for (const auto &[which, language, file] : languageFiles)
        ok = ok && store.Write(*which, file, language);
    if (!ok) {
        QTextStream(stderr) << "zqv-sysconfig: cannot write " << CConfigStore::ConfigFileIn(folder)
                            << " (or a value is longer than its limit)\n";
        return 1;
    }
    return 0;
}
