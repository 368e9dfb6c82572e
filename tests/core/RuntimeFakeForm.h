#pragma once
// A form and controls made of plain data, for testing the run-time face without a toolkit. Each
// property change is logged, and any property can be made to fail as a real control's would.
#include "common/clsRuntimeError.h"
#include "runtime/clsForm.h"

#include <QStringList>
#include <memory>
#include <set>
#include <vector>

namespace tralyx::test {

class clsFakeControl : public clsControl {
public:
    clsFakeControl(enuControlKind penuKind, QString pstrName, std::optional<int32_t> plngIndex = std::nullopt)
        : menuKind(penuKind), mstrName(std::move(pstrName)), mlngIndex(plngIndex)
    {
    }

    enuControlKind Kind() const override { return menuKind; }
    QString Name() const override { return mstrName; }
    std::optional<int32_t> Index() const override { return Check(mbooFailIndex, "Index"), mlngIndex; }
    QString Caption() const override { return Check(mbooFailCaption, "Caption"), IsTabs() ? mstrTabCaptions.value(mintTab) : mstrCaption; }
    void SetCaption(const QString& pstrCaption) override
    {
        Check(mbooFailCaption, "Caption");
        mstrLog << "Caption=" + pstrCaption;
        (IsTabs() ? mstrTabCaptions[mintTab] : mstrCaption) = pstrCaption;
    }
    QString ToolTipText() const override { return Check(mbooFailToolTip, "ToolTipText"), IsTabs() ? mstrTabToolTips.value(mintTab) : mstrToolTip; }
    void SetToolTipText(const QString& pstrToolTip) override
    {
        Check(mbooFailToolTip, "ToolTipText");
        mstrLog << "ToolTip=" + pstrToolTip;
        (IsTabs() ? mstrTabToolTips[mintTab] : mstrToolTip) = pstrToolTip;
    }
    void SetWidth(float psngWidth) override { mstrLog << QString("Width=%1").arg(msngWidth.emplace(psngWidth)); }
    int16_t Tab() const override { return Check(!IsTabs(), "Tab"), mintTab; }
    void SetTab(int16_t pintTab) override
    {
        Check(!IsTabs() || mintFailTabs.count(pintTab) > 0, "Tab");
        mstrLog << QString("Tab=%1").arg(mintTab = pintTab);
    }
    int16_t Tabs() const override { return Check(!IsTabs(), "Tabs"), static_cast<int16_t>(mstrTabCaptions.size()); }

    enuControlKind menuKind;
    QString mstrName;
    std::optional<int32_t> mlngIndex;
    QString mstrCaption;
    QString mstrToolTip;
    std::optional<float> msngWidth;
    QStringList mstrTabCaptions;  // one per tab
    QStringList mstrTabToolTips;
    int16_t mintTab = 0;

    bool mbooFailIndex = false;
    bool mbooFailCaption = false;
    bool mbooFailToolTip = false;
    std::set<int16_t> mintFailTabs;  // selecting these tabs fails

    QStringList mstrLog;  // every property written, in order

private:
    bool IsTabs() const { return menuKind == enuControlKind::TabControl; }
    static void Check(bool pbooFail, const char* pstrWhat)
    {
        if (pbooFail) throw clsPropertyNotSupported(pstrWhat);
    }
};

class clsFakeForm : public clsForm {
public:
    explicit clsFakeForm(QString pstrName) : mstrName(std::move(pstrName)) {}

    clsFakeControl& Add(enuControlKind penuKind, const QString& pstrName, std::optional<int32_t> plngIndex = std::nullopt)
    {
        mobjControls.push_back(std::make_unique<clsFakeControl>(penuKind, pstrName, plngIndex));
        return *mobjControls.back();
    }
    clsFakeControl& Tabs(const QString& pstrName, const QStringList& pstrCaptions, int16_t pintSelected)
    {
        clsFakeControl& ctl = Add(enuControlKind::TabControl, pstrName);
        ctl.mstrTabCaptions = pstrCaptions;
        ctl.mstrTabToolTips = QStringList(pstrCaptions.size(), QString());
        ctl.mintTab = pintSelected;
        return ctl;
    }

    QString Name() const override { return mstrName; }
    void Controls(const std::function<void(clsControl&)>& pfnVisit) override
    {
        for (auto& ctl : mobjControls) pfnVisit(*ctl);
    }
    // Ten units per character, so widths are easy to predict.
    float TextWidth(const QString& pstrText) const override { return 10.0f * pstrText.size(); }

    QStringList AllLogs() const
    {
        QStringList strAll;
        for (const auto& ctl : mobjControls)
            for (const QString& s : ctl->mstrLog) strAll << ctl->mstrName + u' ' + s;
        return strAll;
    }

    QString mstrName;
    std::vector<std::unique_ptr<clsFakeControl>> mobjControls;
};

}  // namespace tralyx::test
