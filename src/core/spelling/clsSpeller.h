#pragma once
// A spelling dictionary through Enchant, which uses the installed Hunspell dictionaries and keeps the
// user's personal word list where the desktop's other programs keep theirs (Enchant's own
// configuration folder, ~/.config/enchant). Not thread-safe: one speller per thread.
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

namespace tralyx {

class clsSpeller {
public:
    // A dictionary tag such as "de_DE", or a language code such as "de" (DictionaryFor picks one).
    explicit clsSpeller(const QString& pstrLanguage);
    ~clsSpeller();
    clsSpeller(const clsSpeller&) = delete;
    clsSpeller& operator=(const clsSpeller&) = delete;

    bool IsValid() const;
    QString Language() const { return mstrLanguage; }  // the dictionary's tag
    // Why there is no dictionary, naming the package that would add one; empty when valid.
    QString Problem() const { return mstrProblem; }

    // Whether the dictionary or the personal word list knows the word (true without a dictionary).
    bool Check(const QString& pstrWord) const;
    QStringList Suggest(const QString& pstrWord) const;
    // Into the personal word list, for every program that uses Enchant.
    void AddToPersonal(const QString& pstrWord);

    // The installed dictionaries' tags, sorted.
    static QStringList AvailableDictionaries();
    // The tag to use for a language code or tag: itself when installed, else the language's main
    // country ("de" -> "de_DE") or any installed one of the language, else the main country's tag.
    static QString DictionaryFor(const QString& pstrLanguage);
    // The Debian package that adds a dictionary: "hunspell-de-de", "hunspell-fr".
    static QString PackageFor(const QString& pstrTag);

private:
    struct udtEnchant;
    std::unique_ptr<udtEnchant> mudtEnchant;
    QString mstrLanguage;
    QString mstrProblem;
    mutable QHash<QString, bool> mbooKnown;  // words asked before: a folder repeats most of its words
};

}  // namespace tralyx
