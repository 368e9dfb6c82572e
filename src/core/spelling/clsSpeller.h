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
    // Shared: the personal word list is Enchant's, made when missing and added to (the editor).
    // ReadOnly: the list is read when it is there and nothing is ever written: a check (lint) leaves
    // the user's home as it found it.
    enum class enuWordList { Shared, ReadOnly };

    // A dictionary tag such as "de_DE", or a language code such as "de" (DictionaryFor picks one).
    explicit clsSpeller(const QString& pstrLanguage, enuWordList penuWordList = enuWordList::Shared);
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
    // Into the personal word list, for every program that uses Enchant (ReadOnly: for this speller).
    void AddToPersonal(const QString& pstrWord);

    // The installed dictionaries' tags, sorted.
    static QStringList AvailableDictionaries();
    // The tag to use for a language code or tag, among pstrInstalled (by default the installed
    // ones): a tag with a country is itself; a language is its main country ("de" -> "de_DE") when
    // installed, else the language itself or another installed country of it, else the main
    // country's tag. Empty for what is no language tag ("/etc/passwd").
    static QString DictionaryFor(const QString& pstrLanguage);
    static QString DictionaryFor(const QString& pstrLanguage, const QStringList& pstrInstalled);
    // The Debian package that adds a dictionary ("hunspell-de-de", "hunspell-fr"); empty when Debian
    // has none for it.
    static QString PackageFor(const QString& pstrTag);

private:
    struct udtEnchant;
    std::unique_ptr<udtEnchant> mudtEnchant;
    QString mstrLanguage;
    QString mstrProblem;
    mutable QHash<QString, bool> mbooKnown;  // words asked before: a folder repeats most of its words
};

}  // namespace tralyx
