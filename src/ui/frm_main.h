#pragma once

#include "controls.h"
#include "folder_list_workflow.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace kestrune {

class QtDirListBox;
class QtDriveListBox;
class QtFileListBox;
class QtFrame;
class QtListBox;
class QtMultiLineTextBox;
class QtTextBox;

// The main window, built from its layout table: fixed in size, minimisable
// but not maximisable, the Readme viewer Frame1 above everything else and the
// focus moving in TabIndex order. While the viewer is shown, the controls
// under it are disabled. It only holds the controls; what they do is
// bound elsewhere.
class FrmMain final : public QWidget, public Form {
    Q_OBJECT
    Q_PROPERTY(QString LinkTopic READ LinkTopic CONSTANT)
public:
    explicit FrmMain(QWidget* parent = nullptr);

    void setCaption(const QString& caption) override { setWindowTitle(caption); }
    QString LinkTopic() const;

    QtFrame& Frame1() const { return *Frame1_; }
    QPushButton& Command1() const { return *Command1_; }
    QtMultiLineTextBox& Text2() const { return *Text2_; }
    QtTextBox& Text1() const { return *Text1_; }
    QtFileListBox& File1() const { return *File1_; }
    QPushButton& Command3() const { return *Command3_; }
    QPushButton& Command2() const { return *Command2_; }
    QtListBox& List1() const { return *List1_; }
    QtDirListBox& Dir1() const { return *Dir1_; }
    QtDriveListBox& Drive1() const { return *Drive1_; }
    QLabel& Label1() const { return *Label1_; }

    // The controls the workflow reads and writes.
    WorkflowControls workflowControls() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void create(int index);
    void coverControls(bool covered);
    template <typename Control> Control* control(QStringView name) const;

    QtFrame* Frame1_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QtMultiLineTextBox* Text2_ = nullptr;
    QtTextBox* Text1_ = nullptr;
    QtFileListBox* File1_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QtListBox* List1_ = nullptr;
    QtDirListBox* Dir1_ = nullptr;
    QtDriveListBox* Drive1_ = nullptr;
    QLabel* Label1_ = nullptr;
};

}  // namespace kestrune
