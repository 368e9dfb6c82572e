#include "CliOptions.h"

#include "clsCodePage.h"

namespace tralyx::cli {

bool ParseCliOptions(const QStringList& pstrArgs, uint32_t plngAllowed, udtCliOptions& pudtOut, QString& pstrError)
{
    struct udtKnown {
        QLatin1StringView Name;
        CliOption Flag;
        bool TakesValue;
    };
    static const udtKnown Known[] = {{QLatin1StringView("--code-page"), optCodePage, true},
                                     {QLatin1StringView("--kind"), optKind, true},
                                     {QLatin1StringView("--force"), optForce, false},
                                     {QLatin1StringView("--dry-run"), optDryRun, false},
                                     {QLatin1StringView("--json"), optJson, false},
                                     {QLatin1StringView("--source"), optSource, true}};
    bool booOptionsEnded = false;
    for (qsizetype i = 0; i < pstrArgs.size(); ++i) {
        const QString& strArg = pstrArgs[i];
        if (booOptionsEnded || !strArg.startsWith(u'-') || strArg == u"-") {
            pudtOut.Operands.append(strArg);
            continue;
        }
        if (strArg == u"--") {
            booOptionsEnded = true;
            continue;
        }
        if (strArg == u"--help" || strArg == u"-h") {
            pudtOut.Help = true;
            continue;
        }
        const qsizetype lngEquals = strArg.indexOf(u'=');
        const QString strName = lngEquals < 0 ? strArg : strArg.left(lngEquals);
        const udtKnown* pudtOption = nullptr;
        for (const udtKnown& udtOption : Known)
            if (strName == udtOption.Name && (plngAllowed & udtOption.Flag)) pudtOption = &udtOption;
        if (!pudtOption) {
            pstrError = QStringLiteral("unknown option '%1'").arg(strName);
            return false;
        }
        QString strValue;
        if (!pudtOption->TakesValue) {
            if (lngEquals >= 0) {
                pstrError = QStringLiteral("%1 takes no value").arg(strName);
                return false;
            }
        } else if (lngEquals >= 0) {
            strValue = strArg.mid(lngEquals + 1);
        } else if (i + 1 < pstrArgs.size()) {
            strValue = pstrArgs[++i];
        } else {
            pstrError = QStringLiteral("%1 needs a value").arg(strName);
            return false;
        }
        switch (pudtOption->Flag) {
        case optCodePage:
            if (strValue.isEmpty() || !clsCodePage(strValue).IsValid()) {
                pstrError = QStringLiteral("unknown code page '%1' (for example windows-1252, windows-1250, UTF-8)")
                                .arg(strValue);
                return false;
            }
            pudtOut.CodePage = strValue;
            break;
        case optKind:
            pudtOut.Kind = KindFromName(strValue);
            if (!pudtOut.Kind) {
                pstrError = QStringLiteral("unknown kind '%1' (core, messages or secondary)").arg(strValue);
                return false;
            }
            break;
        case optForce: pudtOut.Force = true; break;
        case optDryRun: pudtOut.DryRun = true; break;
        case optJson: pudtOut.Json = true; break;
        case optSource:
            if (strValue.isEmpty()) {
                pstrError = QStringLiteral("--source needs a folder");
                return false;
            }
            pudtOut.Source = strValue;
            break;
        }
    }
    return true;
}

int UsageHelp(const char* pstrUsage)
{
    PrintOutput(QString::fromUtf8(pstrUsage));
    return 0;
}

int UsageError(const QString& pstrCommand, const QString& pstrMessage, const char* pstrUsage)
{
    PrintError(QStringLiteral("tralyx-lrc %1: %2").arg(pstrCommand, pstrMessage));
    PrintError(QString::fromUtf8(pstrUsage));
    return 2;
}

}  // namespace tralyx::cli
