#include "windows/main/clsWelcome.h"

#include "windows/documents/clsRecentFiles.h"

#include <QDir>
#include <QEvent>

namespace tralyx {

clsWelcome::clsWelcome(QWidget* pobjArea) : QLabel(pobjArea)
{
    setObjectName(QStringLiteral("lblWelcome"));
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::RichText);
    setWordWrap(true);
    pobjArea->installEventFilter(this);
    connect(this, &QLabel::linkActivated, this, [this](const QString& pstrLink) {
        if (pstrLink == u"folder") return emit OpenFolder();
        if (pstrLink == u"file") return emit OpenFile();
        const QList<QPair<QString, QString>> udtRecent = clsRecentFiles::Entries();
        const qsizetype i = pstrLink.mid(7).toLongLong();  // "recent:3"
        if (pstrLink.startsWith(u"recent:") && i >= 0 && i < udtRecent.size()) emit OpenRecent(udtRecent[i].first, udtRecent[i].second);
    });
    Refresh();
}

void clsWelcome::Refresh()
{
    QString strHtml = QStringLiteral("<p style='font-size:large'><a href='folder'>%1</a> (Ctrl+Shift+O)</p><p><a href='file'>%2</a> (Ctrl+O)</p>")
                          .arg(tr("Open Language Folder...").toHtmlEscaped(), tr("Open a file...").toHtmlEscaped());
    const QList<QPair<QString, QString>> udtRecent = clsRecentFiles::Entries();
    if (!udtRecent.isEmpty()) {
        strHtml += QStringLiteral("<p><b>%1</b></p><p>").arg(tr("Opened last").toHtmlEscaped());
        for (qsizetype i = 0; i < udtRecent.size(); ++i)
            strHtml += QStringLiteral("<a href='recent:%1'>%2</a><br>").arg(i).arg(QDir::toNativeSeparators(udtRecent[i].first).toHtmlEscaped());
        strHtml += QStringLiteral("</p>");
    }
    setText(strHtml);
}

bool clsWelcome::eventFilter(QObject* pobjWatched, QEvent* pobjEvent)
{
    if (pobjEvent->type() == QEvent::Resize && pobjWatched == parentWidget()) setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(pobjWatched, pobjEvent);
}

}  // namespace tralyx
