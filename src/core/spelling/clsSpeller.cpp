#include "spelling/clsSpeller.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <optional>
#include <enchant.h>

namespace tralyx {

struct clsSpeller::udtEnchant {
    EnchantBroker* Broker = nullptr;
    EnchantDict* Dict = nullptr;
    // ReadOnly: the user's personal word list and exclusions, when there are any.
    EnchantDict* Personal = nullptr;
    EnchantDict* Excluded = nullptr;
    bool ReadOnly = false;
    ~udtEnchant()
    {
        for (EnchantDict* pDict : {Dict, Personal, Excluded})
            if (pDict) enchant_broker_free_dict(Broker, pDict);
        if (Broker) enchant_broker_free(Broker);
    }
};

namespace {

// "de-de" -> "de_DE", "DE" -> "de", "de_de_frami" -> "de_DE_frami": Enchant's tags. Empty for what
// is none: a language of two or three letters, then parts of letters and digits.
QString NormalisedTag(const QString& pstrLanguage)
{
    static const QRegularExpression objTag(QStringLiteral("^[A-Za-z]{2,3}(_[A-Za-z0-9]+)*$"));
    QStringList strParts = pstrLanguage.trimmed().replace(u'-', u'_').split(u'_');
    if (!objTag.match(strParts.join(u'_')).hasMatch()) return QString();
    strParts[0] = strParts[0].toLower();
    if (strParts.size() > 1) strParts[1] = strParts[1].toUpper();
    return strParts.join(u'_');
}

// Enchant's configuration folder, found as Enchant finds it: the personal word lists, the ordering
// of its back ends, the user's own dictionaries.
QString EnchantConfigFolder()
{
    const QString strOwn = qEnvironmentVariable("ENCHANT_CONFIG_DIR");
    if (!strOwn.isEmpty()) return strOwn;
    const QString strConfig = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (strConfig.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : strConfig) + QStringLiteral("/enchant");
}

// Enchant makes a dictionary's personal word lists in its configuration folder when they are
// missing. While one of these stands, that folder is a scratch one of ours, through which the user's
// shows but for the lists: the ordering and the user's own dictionaries still count.
class clsScratchConfigFolder {
public:
    explicit clsScratchConfigFolder(const QString& pstrUserFolder) : mbooWasSet(qEnvironmentVariableIsSet("ENCHANT_CONFIG_DIR"))
    {
        if (!mobjFolder.isValid()) return;
        const QDir objUser(pstrUserFolder);
        for (const QString& strName : objUser.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            if (!strName.endsWith(QLatin1StringView(".dic")) && !strName.endsWith(QLatin1StringView(".exc")))
                QFile::link(objUser.filePath(strName), mobjFolder.filePath(strName));
        mbytWas = qgetenv("ENCHANT_CONFIG_DIR");
        qputenv("ENCHANT_CONFIG_DIR", QFile::encodeName(mobjFolder.path()));
    }
    ~clsScratchConfigFolder()
    {
        if (!mobjFolder.isValid()) return;
        if (mbooWasSet) qputenv("ENCHANT_CONFIG_DIR", mbytWas);
        else qunsetenv("ENCHANT_CONFIG_DIR");
    }
    bool IsValid() const { return mobjFolder.isValid(); }

private:
    QTemporaryDir mobjFolder;
    const bool mbooWasSet;
    QByteArray mbytWas;
};

// A word list of the user's as a dictionary of its own; null when there is none (never made here).
EnchantDict* ExistingWordList(EnchantBroker* pBroker, const QString& pstrPath)
{
    if (!QFileInfo(pstrPath).isFile()) return nullptr;
    return enchant_broker_request_pwl_dict(pBroker, QFile::encodeName(pstrPath).constData());
}

bool Knows(EnchantDict* pDict, const QByteArray& pbytWord)
{
    return pDict && enchant_dict_check(pDict, pbytWord.constData(), pbytWord.size()) == 0;
}

}  // namespace

clsSpeller::clsSpeller(const QString& pstrLanguage, enuWordList penuWordList) : mudtEnchant(std::make_unique<udtEnchant>())
{
    mstrLanguage = DictionaryFor(pstrLanguage);
    if (mstrLanguage.isEmpty()) {
        mstrProblem = QCoreApplication::translate("clsSpeller", "%1 is not a language such as de or de_DE").arg(pstrLanguage);
        return;
    }
    const QByteArray bytTag = mstrLanguage.toUtf8();
    const QString strUserFolder = EnchantConfigFolder();
    {
        std::optional<clsScratchConfigFolder> objScratch;
        if (penuWordList == enuWordList::ReadOnly && !objScratch.emplace(strUserFolder).IsValid()) {
            mstrProblem = QCoreApplication::translate("clsSpeller", "no temporary folder for the spelling dictionary could be made");
            return;
        }
        mudtEnchant->Broker = enchant_broker_init();
        if (mudtEnchant->Broker && enchant_broker_dict_exists(mudtEnchant->Broker, bytTag.constData()))
            mudtEnchant->Dict = enchant_broker_request_dict(mudtEnchant->Broker, bytTag.constData());
    }
    if (!mudtEnchant->Dict) {
        const QString strPackage = PackageFor(mstrLanguage);
        mstrProblem = QCoreApplication::translate("clsSpeller", "no spelling dictionary for %1 is installed").arg(mstrLanguage) +
                      (strPackage.isEmpty() ? QString() : QCoreApplication::translate("clsSpeller", " (the Debian package %1 adds one)").arg(strPackage));
        return;
    }
    if (penuWordList == enuWordList::ReadOnly) {
        mudtEnchant->ReadOnly = true;
        const QString strLists = QDir(strUserFolder).filePath(mstrLanguage);
        mudtEnchant->Personal = ExistingWordList(mudtEnchant->Broker, strLists + QStringLiteral(".dic"));
        mudtEnchant->Excluded = ExistingWordList(mudtEnchant->Broker, strLists + QStringLiteral(".exc"));
    }
}

clsSpeller::~clsSpeller() = default;

bool clsSpeller::IsValid() const { return mudtEnchant->Dict != nullptr; }

bool clsSpeller::Check(const QString& pstrWord) const
{
    if (!mudtEnchant->Dict || pstrWord.isEmpty()) return true;
    const auto it = mbooKnown.constFind(pstrWord);
    if (it != mbooKnown.cend()) return it.value();
    const QByteArray bytWord = pstrWord.toUtf8();
    // As Enchant weighs its own lists: an excluded word is wrong whatever the dictionary says.
    const bool booKnown = !Knows(mudtEnchant->Excluded, bytWord) && (Knows(mudtEnchant->Dict, bytWord) || Knows(mudtEnchant->Personal, bytWord));
    mbooKnown.insert(pstrWord, booKnown);
    return booKnown;
}

QStringList clsSpeller::Suggest(const QString& pstrWord) const
{
    QStringList strOut;
    if (!mudtEnchant->Dict || pstrWord.isEmpty()) return strOut;
    const QByteArray bytWord = pstrWord.toUtf8();
    size_t lngCount = 0;
    char** pstrSuggestions = enchant_dict_suggest(mudtEnchant->Dict, bytWord.constData(), bytWord.size(), &lngCount);
    for (size_t i = 0; i < lngCount; ++i) strOut.append(QString::fromUtf8(pstrSuggestions[i]));
    if (pstrSuggestions) enchant_dict_free_string_list(mudtEnchant->Dict, pstrSuggestions);
    return strOut;
}

void clsSpeller::AddToPersonal(const QString& pstrWord)
{
    if (!mudtEnchant->Dict || pstrWord.isEmpty()) return;
    const QByteArray bytWord = pstrWord.toUtf8();
    // A read-only speller never writes the user's list: the word is known to it alone.
    if (mudtEnchant->ReadOnly) enchant_dict_add_to_session(mudtEnchant->Dict, bytWord.constData(), bytWord.size());
    else enchant_dict_add(mudtEnchant->Dict, bytWord.constData(), bytWord.size());
    mbooKnown.insert(pstrWord, true);
}

QStringList clsSpeller::AvailableDictionaries()
{
    QStringList strTags;
    EnchantBroker* const pBroker = enchant_broker_init();
    if (!pBroker) return strTags;
    enchant_broker_list_dicts(
        pBroker,
        [](const char* const pstrTag, const char*, const char*, const char*, void* pData) {
            static_cast<QStringList*>(pData)->append(QString::fromUtf8(pstrTag));
        },
        &strTags);
    enchant_broker_free(pBroker);
    strTags.sort();
    strTags.removeDuplicates();
    return strTags;
}

QString clsSpeller::DictionaryFor(const QString& pstrLanguage) { return DictionaryFor(pstrLanguage, AvailableDictionaries()); }

QString clsSpeller::DictionaryFor(const QString& pstrLanguage, const QStringList& pstrInstalled)
{
    const QString strTag = NormalisedTag(pstrLanguage);
    if (strTag.isEmpty() || strTag.contains(u'_')) return strTag;  // a country was asked for: that one or none
    // The language's main country, as the locale data has it (de -> de_DE, en -> en_US): the same
    // tag, and so the same personal word list, whichever other dictionaries a machine has.
    const QString strMain = QLocale(strTag).name();
    const bool booMain = strMain.startsWith(strTag + u'_');
    if (booMain && pstrInstalled.contains(strMain)) return strMain;
    if (pstrInstalled.contains(strTag)) return strTag;
    for (const QString& strName : pstrInstalled)
        if (strName.startsWith(strTag + u'_')) return strName;
    return booMain ? strMain : strTag;
}

QString clsSpeller::PackageFor(const QString& pstrTag)
{
    // Debian's Hunspell dictionaries: these languages have a package per country, the others one
    // for all their countries (Norwegian's holds Bokmål and Nynorsk).
    static const QHash<QString, QStringList> ByCountry = {
        {QStringLiteral("de"), {QStringLiteral("at"), QStringLiteral("ch"), QStringLiteral("de")}},
        {QStringLiteral("en"), {QStringLiteral("au"), QStringLiteral("ca"), QStringLiteral("gb"), QStringLiteral("us"), QStringLiteral("za")}},
        {QStringLiteral("pt"), {QStringLiteral("br"), QStringLiteral("pt")}}};
    static const QStringList OnePackage =
        QStringLiteral("af an ar be bg bn bo br bs ca cs da dz el es eu fr gd gl gu gug he hi hr hu id is it kk kmr ko lo lt "
                       "lv ml mn ne nl no oc pl ro ru si sk sl sr sv sw te th tr uk uz vi")
            .split(u' ');
    const QString strTag = NormalisedTag(pstrTag);
    QString strLanguage = strTag.section(u'_', 0, 0), strCountry = strTag.section(u'_', 1, 1).toLower();
    if (strLanguage == u"nb" || strLanguage == u"nn") strLanguage = QStringLiteral("no");
    if (OnePackage.contains(strLanguage)) return QStringLiteral("hunspell-") + strLanguage;
    const auto it = ByCountry.constFind(strLanguage);
    if (it == ByCountry.cend()) return QString();
    if (strCountry.isEmpty()) strCountry = QLocale(strLanguage).name().section(u'_', 1, 1).toLower();
    // German's other spelling (frami) has packages of its own; no other variant has one.
    const QString strVariant = strTag.section(u'_', 2).toLower();
    if (!it->contains(strCountry) || !(strVariant.isEmpty() || (strVariant == u"frami" && strLanguage == u"de"))) return QString();
    return QStringLiteral("hunspell-%1-%2").arg(strLanguage, strCountry) + (strVariant.isEmpty() ? QString() : u'-' + strVariant);
}

}  // namespace tralyx
