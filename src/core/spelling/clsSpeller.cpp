#include "spelling/clsSpeller.h"

#include <QLocale>
#include <enchant.h>

namespace tralyx {

struct clsSpeller::udtEnchant {
    EnchantBroker* Broker = nullptr;
    EnchantDict* Dict = nullptr;
    ~udtEnchant()
    {
        if (Dict) enchant_broker_free_dict(Broker, Dict);
        if (Broker) enchant_broker_free(Broker);
    }
};

namespace {

// "de-de" -> "de_DE", "DE" -> "de": Enchant's tags.
QString NormalisedTag(const QString& pstrLanguage)
{
    QString strTag = pstrLanguage.trimmed();
    strTag.replace(u'-', u'_');
    const qsizetype lngUnderscore = strTag.indexOf(u'_');
    if (lngUnderscore < 0) return strTag.toLower();
    return strTag.left(lngUnderscore).toLower() + u'_' + strTag.mid(lngUnderscore + 1).toUpper();
}

}  // namespace

clsSpeller::clsSpeller(const QString& pstrLanguage) : mudtEnchant(std::make_unique<udtEnchant>())
{
    mstrLanguage = DictionaryFor(pstrLanguage);
    mudtEnchant->Broker = enchant_broker_init();
    const QByteArray bytTag = mstrLanguage.toUtf8();
    if (mudtEnchant->Broker && !mstrLanguage.isEmpty() && enchant_broker_dict_exists(mudtEnchant->Broker, bytTag.constData()))
        mudtEnchant->Dict = enchant_broker_request_dict(mudtEnchant->Broker, bytTag.constData());
    if (!mudtEnchant->Dict)
        mstrProblem = QStringLiteral("no spelling dictionary for %1 is installed (the Debian package %2 adds one)")
                          .arg(mstrLanguage.isEmpty() ? pstrLanguage : mstrLanguage, PackageFor(mstrLanguage));
}

clsSpeller::~clsSpeller() = default;

bool clsSpeller::IsValid() const { return mudtEnchant->Dict != nullptr; }

bool clsSpeller::Check(const QString& pstrWord) const
{
    if (!mudtEnchant->Dict || pstrWord.isEmpty()) return true;
    const auto it = mbooKnown.constFind(pstrWord);
    if (it != mbooKnown.cend()) return it.value();
    const QByteArray bytWord = pstrWord.toUtf8();
    const bool booKnown = enchant_dict_check(mudtEnchant->Dict, bytWord.constData(), bytWord.size()) == 0;
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
    enchant_dict_add(mudtEnchant->Dict, bytWord.constData(), bytWord.size());
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

QString clsSpeller::DictionaryFor(const QString& pstrLanguage)
{
    const QString strTag = NormalisedTag(pstrLanguage);
    if (strTag.isEmpty()) return strTag;
    const QStringList strInstalled = AvailableDictionaries();
    if (strInstalled.contains(strTag)) return strTag;
    if (strTag.contains(u'_')) return strTag;  // a country was asked for: that one or none
    // The language's main country, as the locale data has it (de -> de_DE, en -> en_US).
    const QString strMain = QLocale(strTag).name();
    if (strMain.startsWith(strTag + u'_') && strInstalled.contains(strMain)) return strMain;
    for (const QString& strName : strInstalled)
        if (strName.startsWith(strTag + u'_')) return strName;
    return strMain.startsWith(strTag + u'_') ? strMain : strTag;
}

QString clsSpeller::PackageFor(const QString& pstrTag)
{
    const QString strTag = NormalisedTag(pstrTag);
    const QString strLanguage = strTag.section(u'_', 0, 0), strCountry = strTag.section(u'_', 1, 1).toLower();
    // Debian splits these languages by country; the others have one package.
    static const QStringList ByCountry = {QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("pt")};
    if (!strCountry.isEmpty() && ByCountry.contains(strLanguage))
        return QStringLiteral("hunspell-%1-%2").arg(strLanguage, strCountry);
    return QStringLiteral("hunspell-") + (strLanguage.isEmpty() ? QStringLiteral("<language>") : strLanguage);
}

}  // namespace tralyx
