// The channel form: the "Type", "Field" and "Manul Setting" lists above the table of the 128
// channels, built from the form template of the language in force. The table shows the
// document's image through a model; its edits go into the image at once.
#pragma once

#include "base/Language.h"
#include "base/Messages.h"
#include "grid/ChannelForm.h"
#include "grid/csv/CsvBandCheck.h"
#include "grid/ui/QtChoiceList.h"
#include "image/ToneTable.h"
#include "image/ui/DocumentView.h"
#include "resources/ResourceTypes.h"
#include "resources/ui/DialogBuilder.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace tevano {

class CTevDoc;
class ChannelTableModel;
class ChannelTableView;
class GridUndo;
class EditorUndoKeys;

class CTevView : public QWidget, public DocumentView {
    Q_OBJECT

public:
    CTevView(CTevDoc& document, const ToneTable& tones, const res::DialogTemplate& form,
             QWidget* parent = nullptr);
    ~CTevView() override;

    // Shows the document: the first time it also sizes the columns.
    void OnInitialUpdate() override;
    void BeforeEncode() override;
    void AfterEncode() override;

    // The three lists, for encode and the report.
    ChannelForm& Form() override { return *form_; }
    ChannelTableView& Table() { return *table_; }
    ChannelTableModel& Model() { return *model_; }
    CTevDoc& Document() { return document_; }

    // The serial port the next exchange uses: "COM1" to "COM4", "COM1" at every start.
    const std::string& PortName() const { return portName_; }
    void SetPortName(const std::string& name) { portName_ = name; }

    // The language switch's refresh of the form: labels, headers, the table's words and lists.
    void RefreshLanguage(Language language);

    QWidget* Control(int id) const { return built_->Control(id); }

    // Commits the cell being edited, as leaving the cell does.
    void Commit();

    // Shows a document that has just come in (New, Open, a read): channel 1 at the top, the
    // current cell on its receive frequency, nothing being edited, the keyboard in the table.
    void ShowFromChannelOne();

    // The image changed under the table (a read, an import, undo): draw it again.
    void ImageChanged();

    // Undo and redo of the channels, the lists and the image's settings.
    GridUndo& Undo() { return *undo_; }

signals:
    // The user picked another entry in one of the form's lists.
    void FormListChanged();
    // An edit changed a channel.
    void CellChanged();
    // Editing refused what was typed; the message is shown with an OK button.
    void EditMessage(tevano::MessageId id);
    // The help text for the status bar, for the control under the mouse or in focus.
    void StatusHelp(const QString& text);
    // A note for the status bar: a frequency typed outside the "Field" band.
    void Note(const QString& text);
    // A message with an OK button: channels outside the band of a "Field" entry just picked.
    void Warning(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The channels (all when `channel` is 0) with a frequency outside the "Field" band.
    CsvBandCheck BandCheck(int channel) const;
    void OnChannelEdited(int channel, int column);
    void OnFilled(int column, const std::vector<int>& filled, const std::vector<int>& refused);
    void FitTable();
    void SizeColumns();

    CTevDoc& document_;
    std::unique_ptr<BuiltDialog> built_;
    QRect tableTemplateRect_;
    QSize formSize_;
    ChannelTableView* table_ = nullptr;
    ChannelTableModel* model_ = nullptr;
    std::unique_ptr<QtChoiceList> type_;
    std::unique_ptr<QtChoiceList> field_;
    std::unique_ptr<QtChoiceList> manual_;
    std::unique_ptr<ChannelForm> form_;
    EditorUndoKeys* undoKeys_ = nullptr;
    bool columnsSized_ = false;
    std::unique_ptr<GridUndo> undo_;
    std::string portName_ = "COM1";
};

} // namespace tevano
