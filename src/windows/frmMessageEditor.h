#pragma once
// The text editor window: one opened language file, listed and edited (placeholder until built).
#include <QWidget>
#include <cstdint>

namespace tralyx {

class frmMessageEditor : public QWidget {
    Q_OBJECT
public:
    enum : int32_t { EditMessages = 0, EditSecondary = 1, EditControlText = 2 };

    explicit frmMessageEditor(QWidget* pobjParent = nullptr);

    void EditType(int32_t penuEditType);      // builds the columns and fills the list
    int32_t EditTypeValue() const { return mlngEditType; }
    void FileName(const QString& pstrFileName);  // sets the caption "Localising " + path
    const QString& FileNameValue() const { return mstrFileName; }
    void MoveToList();
    bool SaveMe(const QString& pstrFileName = QString());
    // The close checks ("Data changed", "Save changes"); true when the window may close.
    bool QueryClose();

protected:
    int32_t mlngEditType = 0;
    QString mstrFileName;
};

}  // namespace tralyx
