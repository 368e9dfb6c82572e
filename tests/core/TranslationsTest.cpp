// The translations of the editor's own texts (translations/*.ts): every entry finished and still in
// use, and every translation keeps what the program fills in or relies on. TRALYX_TRANSLATIONS in
// the environment points the test at another folder: the copy that lupdate refreshed from the
// sources, where a text without a translation arrives unfinished and a removed one vanished.
#include "TestTexts.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using tralyx::test::Q;

namespace {

struct udtTsMessage {
    QString Context, Source, Translation, Type;  // Type: "unfinished", "vanished", "obsolete" or empty
};

// The element's text, with Linguist's <byte value="xd"/> for what XML cannot carry.
QString ReadText(QXmlStreamReader& pobjXml)
{
    QString strText;
    while (pobjXml.readNext() != QXmlStreamReader::EndElement || pobjXml.name() == QLatin1String("byte")) {
        if (pobjXml.atEnd()) break;
        if (pobjXml.isCharacters()) strText += pobjXml.text();
        else if (pobjXml.isStartElement()) strText += QChar(pobjXml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
    }
    return strText;
}

std::vector<udtTsMessage> ReadTs(const QString& pstrPath, QString& pstrError)
{
    std::vector<udtTsMessage> udtOut{{}};
    QFile objFile(pstrPath);
    if (!objFile.open(QIODevice::ReadOnly)) pstrError = objFile.errorString();
    QXmlStreamReader objXml(&objFile);
    QString strContext;
    while (objXml.readNext() != QXmlStreamReader::Invalid && !objXml.atEnd()) {
        if (!objXml.isStartElement()) continue;
        udtTsMessage& udtLast = udtOut.back();
        if (objXml.name() == QLatin1String("name")) strContext = objXml.readElementText();
        else if (objXml.name() == QLatin1String("message")) udtOut.push_back({strContext, {}, {}, {}});
        else if (objXml.name() == QLatin1String("source")) udtLast.Source = ReadText(objXml);
        else if (objXml.name() == QLatin1String("translation")) {
            udtLast.Type = objXml.attributes().value(QLatin1String("type")).toString();
            udtLast.Translation = ReadText(objXml);
        }
    }
    if (objXml.hasError()) pstrError = QStringLiteral("line %1: %2").arg(objXml.lineNumber()).arg(objXml.errorString());
    udtOut.erase(udtOut.begin());
    return udtOut;
}

// What a text must keep: the placeholders the program fills ("%1", "%L2"), its access keys (an "&"
// that is not "&&"), its line breaks and the blanks at its ends.
QString Kept(const QString& pstrText)
{
    static const QRegularExpression objPlaceholder(QStringLiteral("%L?\\d+")),
        objEnds(QStringLiteral("^(\\s*).*?(\\s*)$"), QRegularExpression::DotMatchesEverythingOption);
    QStringList strFound;
    for (const QRegularExpressionMatch& objMatch : objPlaceholder.globalMatch(pstrText)) strFound << objMatch.captured();
    strFound.sort();
    const QRegularExpressionMatch objEnd = objEnds.match(pstrText);
    return strFound.join(u' ') + QStringLiteral(" [%1|%2] keys %3 lines %4")
                                     .arg(objEnd.captured(1), objEnd.captured(2),
                                          QString::number(QString(pstrText).remove(QStringLiteral("&&")).count(u'&')),
                                          QString::number(pstrText.count(u'\n')));
}

// Why a translation is not fit to ship; empty when it is.
QString Fault(const udtTsMessage& pudtMessage)
{
    if (!pudtMessage.Type.isEmpty()) return pudtMessage.Type;
    if (pudtMessage.Translation.trimmed().isEmpty()) return QStringLiteral("empty");
    if (Kept(pudtMessage.Source) != Kept(pudtMessage.Translation)) return Kept(pudtMessage.Source) + QStringLiteral(" != ") + Kept(pudtMessage.Translation);
    return QString();
}

}  // namespace

TEST(Translations, EveryEntryIsFinishedAndKeepsWhatTheProgramNeeds)
{
    const QString strFolder = qEnvironmentVariableIsEmpty("TRALYX_TRANSLATIONS") ? QStringLiteral(TRALYX_TRANSLATIONS)
                                                                                  : qEnvironmentVariable("TRALYX_TRANSLATIONS");
    const QFileInfoList objFiles = QDir(strFolder).entryInfoList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_FALSE(objFiles.isEmpty()) << strFolder.toStdString();
    for (const QFileInfo& objFile : objFiles) {
        QString strError;
        const std::vector<udtTsMessage> udtMessages = ReadTs(objFile.filePath(), strError);
        EXPECT_EQ(strError.toStdString(), "") << objFile.fileName().toStdString();
        EXPECT_GT(udtMessages.size(), 100u) << objFile.fileName().toStdString();
        for (const udtTsMessage& udtMessage : udtMessages)
            EXPECT_EQ(Fault(udtMessage).toStdString(), "") << objFile.fileName().toStdString() << ", " << udtMessage.Context.toStdString()
                                                           << ": \"" << udtMessage.Source.toStdString() << "\" -> \""
                                                           << udtMessage.Translation.toStdString() << '"';
    }
}

TEST(Translations, FaultsOfATranslation)
{
    const char* const pstrCases[][4] = {
        // source, translation, type, fault
        {"&File", "&Datei", "", ""},
        {"Tom && %1", "Tom && %1", "", ""},
        {"Read %1 of %L2", "%L2: %1 gelesen", "", ""},
        {"&File", "&Datei", "unfinished", "unfinished"},
        {"Gone", "Weg", "vanished", "vanished"},
        {"Save", " ", "", "empty"},
        {"%1 could not be read.\r\n%2", "%1 ist unlesbar.\r\n%3", "", "%1 %2 [|] keys 0 lines 1 != %1 %3 [|] keys 0 lines 1"},
        {"&View", "Ansicht", "", " [|] keys 1 lines 0 !=  [|] keys 0 lines 0"},
        {"Not opened:\r\n", "Nicht geöffnet:", "", " [|\r\n] keys 0 lines 1 !=  [|] keys 0 lines 0"},
        {"    ... and %L1 more", "... und %L1 weitere", "", "%L1 [    |] keys 0 lines 0 != %L1 [|] keys 0 lines 0"},
    };
    for (const auto& pstrCase : pstrCases)
        EXPECT_EQ(Fault({Q("ctx"), Q(pstrCase[0]), Q(pstrCase[1]), Q(pstrCase[2])}).toStdString(), pstrCase[3]) << pstrCase[0];
}
