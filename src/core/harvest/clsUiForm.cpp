#include "harvest/clsUiForm.h"

#include "common/basStoreText.h"
#include "common/clsRuntimeError.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>

namespace tralyx {
namespace {

// A widget as the file describes it, before uic's naming and ordering.
struct udtRawWidget {
    udtUiWidget Widget;  // Class: as written; Name: empty until named
    std::vector<udtRawWidget> Children;  // its own <widget>s
    std::vector<udtUiWidget> Actions;
    struct udtGroup {
        QString Name;
        std::vector<udtUiWidget> Actions;
    };
    std::vector<udtGroup> Groups;
    // The layout's objects in the order uic creates them: a layout or spacer (its name and class), or
    // the next widget of LaidOut.
    struct udtLayoutItem {
        QString Name, Class;
        bool Widget = false;
    };
    std::vector<udtLayoutItem> Layout;
    std::vector<udtRawWidget> LaidOut;
    QStringList ZOrder;
};

// The control-array index that a property value gives, as QVariant converts it to a number; 0 when
// it is none or does not fit in a byte.
uint8_t IndexFrom(const QString& pstrType, const QString& pstrValue)
{
    bool booNumber = false;
    qint64 lngValue = 0;
    if (pstrType == u"bool") {
        booNumber = true;
        lngValue = pstrValue.trimmed() == u"true" ? 1 : 0;
    } else if (pstrType == u"double" || pstrType == u"float") {
        const double dblValue = pstrValue.toDouble(&booNumber);
        booNumber = booNumber && std::isfinite(dblValue) && std::fabs(dblValue) < 1e9;
        lngValue = booNumber ? std::llround(dblValue) : 0;
    } else if (pstrType == u"number" || pstrType == u"longlong" || pstrType == u"uint" || pstrType == u"ulonglong" ||
               pstrType == u"string") {
        lngValue = pstrValue.trimmed().toLongLong(&booNumber);
    }
    return booNumber && lngValue >= 0 && lngValue <= 255 ? static_cast<uint8_t>(lngValue) : 0;
}

class clsUiReader {
public:
    explicit clsUiReader(const QByteArray& pbytContent) : mobjXml(pbytContent) {}

    bool Read(udtUiWidget& pudtForm, udtFileIssue& pudtError)
    {
        udtRawWidget udtRoot;
        bool booWidget = false;
        if (mobjXml.readNextStartElement()) {
            if (mobjXml.name() != u"ui") {
                mobjXml.raiseError(QCoreApplication::translate("clsUiForm", "not a Qt Designer form: the document is <%1>, not <ui>").arg(mobjXml.name()));
            } else {
                while (mobjXml.readNextStartElement()) {
                    if (mobjXml.name() == u"widget" && !booWidget) {
                        booWidget = true;
                        ReadWidget(udtRoot);
                    } else if (mobjXml.name() == u"customwidgets") {
                        ReadCustomWidgets();
                    } else {
                        mobjXml.skipCurrentElement();
                    }
                }
            }
        }
        if (!mobjXml.hasError() && !booWidget)
            mobjXml.raiseError(QCoreApplication::translate("clsUiForm", "not a Qt Designer form: it has no <widget>"));
        if (mobjXml.hasError()) {
            pudtError = {static_cast<int64_t>(qMax<qint64>(1, mobjXml.lineNumber())), mobjXml.errorString()};
            return false;
        }
        pudtForm = Named(std::move(udtRoot));
        return true;
    }

private:
    // Widgets and layouts nested deeper than any window has them: refused, before the walks over the
    // tree run out of stack.
    static constexpr int MaxDepth = 256;
    bool Deeper()
    {
        if (++mintDepth <= MaxDepth) return true;
        mobjXml.raiseError(QCoreApplication::translate("clsUiForm", "widgets and layouts nest more than %1 deep").arg(MaxDepth));
        return false;
    }

    void ReadWidget(udtRawWidget& pudtOut)
    {
        const auto Leave = qScopeGuard([&] { --mintDepth; });
        if (!Deeper()) return;
        pudtOut.Widget.Class = Attribute("class");
        pudtOut.Widget.RawName = Attribute("name");
        while (mobjXml.readNextStartElement()) {
            const QStringView strTag = mobjXml.name();
            if (strTag == u"property") ReadProperty(pudtOut.Widget, pudtOut.Widget.Texts);
            else if (strTag == u"attribute") ReadProperty(pudtOut.Widget, pudtOut.Widget.Page);
            else if (strTag == u"widget") ReadWidget(pudtOut.Children.emplace_back());
            else if (strTag == u"layout") ReadLayout(pudtOut);
            else if (strTag == u"action") ReadAction(pudtOut.Actions);
            else if (strTag == u"actiongroup") ReadGroup(pudtOut.Groups.emplace_back());
            else if (strTag == u"zorder") pudtOut.ZOrder.append(mobjXml.readElementText(QXmlStreamReader::SkipChildElements));
            // A combo box's items; a tree's or a table's columns (a list's items and a table's rows are not read).
            else if (strTag == u"item" || strTag == u"column") ReadItem(pudtOut.Widget, strTag == u"column");
            else mobjXml.skipCurrentElement();
        }
    }

    void ReadLayout(udtRawWidget& pudtOwner)
    {
        const auto Leave = qScopeGuard([&] { --mintDepth; });
        if (!Deeper()) return;
        pudtOwner.Layout.push_back({Attribute("name"), Attribute("class"), false});
        while (mobjXml.readNextStartElement()) {
            if (mobjXml.name() != u"item") {
                mobjXml.skipCurrentElement();
                continue;
            }
            while (mobjXml.readNextStartElement()) {
                if (mobjXml.name() == u"widget") {
                    pudtOwner.Layout.push_back({QString(), QString(), true});
                    udtRawWidget& udtLaidOut = pudtOwner.LaidOut.emplace_back();
                    ReadWidget(udtLaidOut);
                    udtLaidOut.Widget.LaidOut = true;
                } else if (mobjXml.name() == u"layout") {
                    ReadLayout(pudtOwner);
                } else if (mobjXml.name() == u"spacer") {
                    pudtOwner.Layout.push_back({Attribute("name"), QStringLiteral("QSpacerItem"), false});
                    mobjXml.skipCurrentElement();
                } else {
                    mobjXml.skipCurrentElement();
                }
            }
        }
    }

    // A combo box's <item>, a tree's or a table's <column>: its "text" and "toolTip".
    void ReadItem(udtUiWidget& pudtCombo, bool pbooColumn)
    {
        QHash<QString, QString> udtTexts;
        udtUiWidget udtIgnored;
        while (mobjXml.readNextStartElement()) {
            if (mobjXml.name() == u"property") ReadProperty(udtIgnored, udtTexts);
            else mobjXml.skipCurrentElement();
        }
        // A tree's items are <item> too, a combo box's never <column>: each kept where it belongs.
        const bool booCombo = pudtCombo.Class != u"QTreeWidget" && pudtCombo.Class != u"QTableWidget";
        if (booCombo == pbooColumn) return;
        pudtCombo.Items.push_back(udtTexts.value(QStringLiteral("text")));
        pudtCombo.ItemToolTips.push_back(udtTexts.value(QStringLiteral("toolTip")));
    }

    void ReadAction(std::vector<udtUiWidget>& pudtActions)
    {
        udtUiWidget& udtAction = pudtActions.emplace_back();
        udtAction.Class = QStringLiteral("QAction");
        udtAction.RawName = Attribute("name");
        while (mobjXml.readNextStartElement()) {
            if (mobjXml.name() == u"property") ReadProperty(udtAction, udtAction.Texts);
            else mobjXml.skipCurrentElement();
        }
    }

    void ReadGroup(udtRawWidget::udtGroup& pudtGroup)
    {
        pudtGroup.Name = Attribute("name");
        while (mobjXml.readNextStartElement()) {
            if (mobjXml.name() == u"action") ReadAction(pudtGroup.Actions);
            else mobjXml.skipCurrentElement();
        }
    }

    // A <property> or <attribute>: a string into pudtTexts, the "Index" as the control-array index.
    void ReadProperty(udtUiWidget& pudtWidget, QHash<QString, QString>& pudtTexts)
    {
        const QString strName = Attribute("name");
        while (mobjXml.readNextStartElement()) {
            const QString strType = mobjXml.name().toString();
            if (strType == u"string") {
                const QString strText = LinesToStore(mobjXml.readElementText(QXmlStreamReader::SkipChildElements));
                if (strName == u"Index") pudtWidget.Index = IndexFrom(strType, strText);
                else pudtTexts.insert(strName, strText);
            } else if (strName == u"Index") {
                pudtWidget.Index = IndexFrom(strType, mobjXml.readElementText(QXmlStreamReader::SkipChildElements));
            } else if (strType == u"rect" && strName == u"geometry") {
                pudtWidget.Geometry = ReadRect();
            } else if (strType == u"font" && strName == u"font") {
                ReadFont(pudtWidget.Font);
            } else if (strType == u"bool" && strName == u"wordWrap") {
                pudtWidget.WordWrap = mobjXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed() == u"true";
            } else if (strType == u"number" && (strName == u"margin" || strName == u"indent")) {
                (strName == u"margin" ? pudtWidget.Margin : pudtWidget.Indent) =
                    mobjXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed().toInt();
            } else {
                mobjXml.skipCurrentElement();
            }
        }
    }

    // The numbers of a child element each ("x", "width" ...), what else it has skipped.
    QHash<QString, QString> ReadFields()
    {
        QHash<QString, QString> strOut;
        while (mobjXml.readNextStartElement()) {
            const QString strField = mobjXml.name().toString();
            strOut.insert(strField, mobjXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed());
        }
        return strOut;
    }

    QRect ReadRect()
    {
        const QHash<QString, QString> strFields = ReadFields();
        const auto Number = [&](const char* pstrField) { return strFields.value(QLatin1StringView(pstrField)).toInt(); };
        return QRect(Number("x"), Number("y"), qMax(0, Number("width")), qMax(0, Number("height")));
    }

    // A <font>: Qt 6's <fontweight> name, else <bold>, else Qt 5's <weight> (50 normal, 75 bold).
    void ReadFont(udtUiFont& pudtFont)
    {
        const QHash<QString, QString> strFields = ReadFields();
        if (const QString strFamily = strFields.value(QStringLiteral("family")); !strFamily.isEmpty()) pudtFont.Family = strFamily;
        bool booNumber = false;
        if (const double dblSize = strFields.value(QStringLiteral("pointsize")).toDouble(&booNumber); booNumber && dblSize > 0)
            pudtFont.PointSize = dblSize;
        if (strFields.contains(QStringLiteral("italic"))) pudtFont.Italic = strFields.value(QStringLiteral("italic")) == u"true";
        static const QHash<QString, int> lngWeights{{QStringLiteral("Thin"), 100},     {QStringLiteral("ExtraLight"), 200},
                                                    {QStringLiteral("Light"), 300},    {QStringLiteral("Normal"), 400},
                                                    {QStringLiteral("Medium"), 500},   {QStringLiteral("DemiBold"), 600},
                                                    {QStringLiteral("Bold"), 700},     {QStringLiteral("ExtraBold"), 800},
                                                    {QStringLiteral("Black"), 900}};
        const QString strWeight = strFields.value(QStringLiteral("fontweight"));
        if (lngWeights.contains(strWeight)) pudtFont.Weight = lngWeights.value(strWeight);
        else if (strFields.contains(QStringLiteral("bold"))) pudtFont.Weight = strFields.value(QStringLiteral("bold")) == u"true" ? 700 : 400;
        else if (const int lngOld = strFields.value(QStringLiteral("weight")).toInt(&booNumber); booNumber && lngOld > 0)
            pudtFont.Weight = lngOld >= 100 ? lngOld : lngOld < 38 ? 300 : lngOld < 57 ? 400 : lngOld < 69 ? 600 : lngOld < 81 ? 700 : 900;
    }

    void ReadCustomWidgets()
    {
        while (mobjXml.readNextStartElement()) {
            if (mobjXml.name() != u"customwidget") {
                mobjXml.skipCurrentElement();
                continue;
            }
            QString strClass, strExtends;
            while (mobjXml.readNextStartElement()) {
                if (mobjXml.name() == u"class") strClass = mobjXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                else if (mobjXml.name() == u"extends") strExtends = mobjXml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
                else mobjXml.skipCurrentElement();
            }
            if (!strClass.isEmpty()) mobjExtends.insert(strClass, strExtends);
        }
    }

    QString Attribute(const char* pstrName) const { return mobjXml.attributes().value(QLatin1StringView(pstrName)).toString(); }

    // The Qt class a widget of this class is: a custom widget's chain of "extends" followed.
    QString QtClass(QString pstrClass) const
    {
        if (pstrClass == u"Line") return QStringLiteral("QFrame");  // Designer's line is a frame
        for (int i = 0; i < 100 && mobjExtends.contains(pstrClass); ++i) pstrClass = mobjExtends.value(pstrClass);
        return pstrClass;
    }

    // uic's name for an object: the form's name with what is not a letter, a digit or '_' made '_',
    // or for none the class's name from its first lower-case letter; a number after it while the
    // name is taken.
    QString Unique(const QString& pstrName, const QString& pstrClass)
    {
        QString strBase = pstrName;
        if (strBase.isEmpty()) {
            strBase = pstrClass;
            if (strBase.startsWith(u'Q') || strBase.startsWith(u'K')) strBase.remove(0, 1);
            for (qsizetype i = 0; i < strBase.size() && strBase[i].isUpper(); ++i) strBase[i] = strBase[i].toLower();
            if (strBase.isEmpty()) strBase = QStringLiteral("var");
        }
        for (QChar& c : strBase)
            if (!c.isLetterOrNumber() && c != u'_') c = u'_';
        QString strName = strBase;
        for (int i = 1; mobjUsed.contains(strName); ++i) strName = strBase + QString::number(i);
        mobjUsed.insert(strName);
        return strName;
    }

    // The widget as the window holds it, named in the order uic creates the objects.
    udtUiWidget Named(udtRawWidget&& pudtRaw)
    {
        udtUiWidget udtOut = std::move(pudtRaw.Widget);
        udtOut.Name = Unique(udtOut.RawName, udtOut.Class);
        udtOut.Class = QtClass(udtOut.Class);
        const auto TakeActions = [&](std::vector<udtUiWidget>& pudtActions) {
            for (udtUiWidget& udtAction : pudtActions) {
                udtAction.Name = Unique(udtAction.RawName, udtAction.Class);
                udtOut.Actions.push_back(std::move(udtAction));
            }
        };
        TakeActions(pudtRaw.Actions);
        for (udtRawWidget::udtGroup& udtGroup : pudtRaw.Groups) {
            Unique(udtGroup.Name, QStringLiteral("QActionGroup"));
            TakeActions(udtGroup.Actions);
        }
        for (udtRawWidget& udtChild : pudtRaw.Children) udtOut.Children.push_back(Named(std::move(udtChild)));
        size_t lngLaidOut = 0;
        for (const udtRawWidget::udtLayoutItem& udtItem : pudtRaw.Layout) {
            if (udtItem.Widget) udtOut.Children.push_back(Named(std::move(pudtRaw.LaidOut[lngLaidOut++])));
            else Unique(udtItem.Name, udtItem.Class);
        }
        // A splitter puts each widget it is given before the others.
        if (udtOut.Class == u"QSplitter") std::reverse(udtOut.Children.begin(), udtOut.Children.end());
        // raise() puts a widget last among its parent's children.
        for (const QString& strRaised : pudtRaw.ZOrder) {
            const auto it = std::find_if(udtOut.Children.begin(), udtOut.Children.end(),
                                         [&](const udtUiWidget& u) { return u.RawName == strRaised; });
            if (it != udtOut.Children.end()) std::rotate(it, it + 1, udtOut.Children.end());
        }
        return udtOut;
    }

    QXmlStreamReader mobjXml;
    QHash<QString, QString> mobjExtends;  // custom widget class: the class it extends
    QSet<QString> mobjUsed;
    int mintDepth = 0;
};

bool IsOwnName(const QString& pstrName) { return !pstrName.isEmpty() && !IsQtOwnName(pstrName); }

void VisitChildren(udtUiWidget& pudtParent, const std::function<void(clsControl&)>& pfnVisit)
{
    for (udtUiWidget& udtChild : pudtParent.Children) {
        if (udtChild.IsWindow()) continue;
        if (IsOwnName(udtChild.Name)) {
            clsUiControl ctlControl(udtChild);
            pfnVisit(ctlControl);
        }
        VisitChildren(udtChild, pfnVisit);
    }
}

// The window's menus in the order findChildren() finds them, then its actions likewise.
void CollectMenus(const udtUiWidget& pudtWidget, QVector<udtMenuText>& pudtOut)
{
    for (const udtUiWidget& udtChild : pudtWidget.Children) {
        if (udtChild.IsWindow() && udtChild.Class != u"QMenu") continue;  // another window's menus are its own
        if (udtChild.Class == u"QMenu" && IsOwnName(udtChild.Name))
            pudtOut.append({udtChild.Name, udtChild.Index, true, udtChild.Text(QStringLiteral("title")), QString(), QString()});
        CollectMenus(udtChild, pudtOut);
    }
}

// A text as QAction makes a tool-tip or an icon text of it: without "...", each '&' that marks a
// shortcut key dropped ("&&" is one '&'), trimmed.
QString QtStripped(QString pstrText)
{
    pstrText.remove(QStringLiteral("..."));
    for (qsizetype i = 0; i < pstrText.size(); ++i)
        if (pstrText.at(i) == u'&') pstrText.remove(i, 1);
    return pstrText.trimmed();
}

// Whether the tool-tip is one the run-time harvest takes for Qt's own (ExplicitToolTip in
// Translation_Widgets.cpp): the one made from the action's text() or from its iconText(), as a
// QAction with the form's text and icon text gives them.
bool IsQtOwnToolTip(const QString& pstrToolTip, const QString& pstrText, const QString& pstrIconText)
{
    const QString strText = pstrText.isEmpty() ? QString(pstrIconText).replace(u'&', QStringLiteral("&&")) : pstrText;
    const QString strIconText = pstrIconText.isEmpty() ? QtStripped(pstrText) : pstrIconText;
    return pstrToolTip == QtStripped(strText) || pstrToolTip == QtStripped(strIconText);
}

void CollectActions(const udtUiWidget& pudtWidget, QVector<udtMenuText>& pudtOut)
{
    for (const udtUiWidget& udtAction : pudtWidget.Actions) {
        if (!IsOwnName(udtAction.Name)) continue;
        // An action without a text shows its icon text, its '&' doubled.
        QString strText = udtAction.Text(QStringLiteral("text"));
        const QString strIconText = udtAction.Text(QStringLiteral("iconText"));
        if (strText.isEmpty()) strText = QString(strIconText).replace(u'&', QStringLiteral("&&"));
        // A tool-tip that Qt would make from the text anyway is no text of the action's own.
        QString strToolTip = udtAction.Text(QStringLiteral("toolTip"));
        if (IsQtOwnToolTip(strToolTip, udtAction.Text(QStringLiteral("text")), strIconText)) strToolTip.clear();
        pudtOut.append({udtAction.Name, udtAction.Index, false, strText, udtAction.Text(QStringLiteral("statusTip")), strToolTip});
    }
    for (const udtUiWidget& udtChild : pudtWidget.Children)
        if (!udtChild.IsWindow() || udtChild.Class == u"QMenu") CollectActions(udtChild, pudtOut);
}

}  // namespace

bool clsUiForm::Parse(const QByteArray& pbytContent, udtFileIssue& pudtError)
{
    mudtForm = udtUiWidget();
    clsUiReader objReader(pbytContent);
    return objReader.Read(mudtForm, pudtError);
}

void clsUiForm::Controls(const std::function<void(clsControl&)>& pfnVisit) { VisitChildren(mudtForm, pfnVisit); }

float clsUiForm::TextWidth(const QString&) const { throw clsPropertyNotSupported("TextWidth (a form on file has no font)"); }

QVector<udtMenuText> clsUiForm::Menus() const
{
    QVector<udtMenuText> udtOut;
    CollectMenus(mudtForm, udtOut);
    CollectActions(mudtForm, udtOut);
    return udtOut;
}

}  // namespace tralyx
