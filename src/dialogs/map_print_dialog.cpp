#include "dialogs/map_print_dialog.h"

#include "dialogs/pdf_file_name.h"
#include "output/paper_codes.h"
#include "output/paper_table.h"
#include "output/printed_page.h"
#include "platform/message_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinterInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSlider>

namespace {

// The dialog is laid out in dialog units of the system font: 1.5 pixels across, 1.625 down.
QRect Dlu(int x, int y, int width, int height) {
    return QRect(x * 3 / 2, y * 13 / 8, width * 3 / 2, height * 13 / 8);
}

// The preview frame moves here, in the dialog's pixels, whenever the paper changes. The progress bar and the
// buttons sit below the tallest frame.
constexpr QPoint kPreviewAt(530, 250);
constexpr int kBelowPreview = 510;
constexpr int kSliderMin = 1;
constexpr int kSliderMax = 20;
constexpr int kSliderStart = 5;
constexpr int kMaxCustomMillimetres = 3276;
const QString kPdfFileEntry = QStringLiteral("PDF file");
// The paper a PDF file starts on: A4.
constexpr int kPdfFilePaper = 9;
const QString kNoPaperSize = QStringLiteral("Unable to get paper size");
const QString kBadCustomSize = QStringLiteral(
    "The custom paper width and height must each be a whole number of millimetres from 1 to 3276.");

// The preview frame: black, with the preview drawn over it by the dialog.
class PreviewFrame : public QWidget {
public:
    PreviewFrame(CMapPrintDialog* dialog, QWidget* parent) : QWidget(parent), m_dialog(dialog) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        m_dialog->DrawPreview(painter);
    }

private:
    CMapPrintDialog* m_dialog;
};

QRadioButton* Radio(const QString& text, const QRect& at, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    // Each choice is kept exclusive by the handlers, as each button stands in a group of its own.
    radio->setAutoExclusive(false);
    // As wide as its text, so that a click beside the text does not count.
    radio->setGeometry(QRect(at.topLeft(), QSize(radio->sizeHint().width(), at.height())));
    return radio;
}

QLineEdit* NumberEdit(const QRect& at, QWidget* parent, const QString& name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}")), edit));
    edit->setGeometry(at);
    return edit;
}

QPushButton* Button(const QString& text, const QRect& at, QWidget* parent, const QString& name = {}) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setGeometry(at);
    return button;
}

void Group(const QString& title, const QRect& at, QWidget* parent) {
    (new QGroupBox(title, parent))->setGeometry(at);
}

void Label(const QString& text, const QRect& at, QWidget* parent, Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(at);
}

} // namespace

CMapPrintDialog::CMapPrintDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Print Trekbuddy map"));
    CreateControls();
}

void CMapPrintDialog::CreateControls() {
    setFixedSize(Dlu(0, 0, 657, 362).size());
    CreatePaperControls();
    CreateScalingControls();
    CreateOutputControls();
}

// Group boxes come before the controls standing in them, so that those lie on top.
void CMapPrintDialog::CreatePaperControls() {
    Group(QStringLiteral("Paper Orientation"), Dlu(30, 72, 132, 42), this);
    Group(QStringLiteral("Standard paper sizes"), Dlu(295, 13, 224, 88), this);
    Group(QStringLiteral("Custom paper size width and height in mm"), Dlu(29, 127, 217, 55), this);
    m_printers = new QComboBox(this);
    m_printers->setObjectName(QStringLiteral("printers"));
    m_printers->setGeometry(Dlu(29, 39, 192, 14));
    m_portrait = Radio(QStringLiteral("Portrait"), Dlu(41, 83, 40, 10), this);
    m_landscape = Radio(QStringLiteral("Landscape"), Dlu(41, 98, 50, 10), this);
    m_allPapers = Radio(QStringLiteral("All paper sizes"), Dlu(324, 27, 150, 10), this);
    m_printerPapers = Radio(QStringLiteral("Printer resident paper sizes"), Dlu(324, 44, 150, 10), this);
    m_papers = new QComboBox(this);
    m_papers->setObjectName(QStringLiteral("papers"));
    m_papers->setGeometry(Dlu(312, 64, 192, 14));
    m_sizeText = new QLabel(QStringLiteral("Size"), this);
    m_sizeText->setObjectName(QStringLiteral("paperSize"));
    m_sizeText->setGeometry(Dlu(314, 82, 191, 12));
    m_custom = Radio(QStringLiteral("Custom paper size"), Dlu(45, 140, 105, 10), this);
    QPushButton* apply = Button(QStringLiteral("Apply"), Dlu(158, 139, 50, 14), this, "applyCustom");
    m_customWidth = NumberEdit(Dlu(45, 160, 60, 14), this, QStringLiteral("customWidth"));
    Label(QStringLiteral("by"), Dlu(127, 162, 18, 10), this);
    m_customHeight = NumberEdit(Dlu(154, 160, 60, 14), this, QStringLiteral("customHeight"));

    connect(m_printers, &QComboBox::activated, this, [this] { FillPrinterPaperList(); });
    connect(m_papers, &QComboBox::activated, this, [this] { UpdatePaperSize(); });
    connect(m_portrait, &QRadioButton::clicked, this, [this] { OnPortrait(); });
    connect(m_landscape, &QRadioButton::clicked, this, [this] { OnLandscape(); });
    connect(m_allPapers, &QRadioButton::clicked, this, [this] { FillAllPaperList(); });
    connect(m_printerPapers, &QRadioButton::clicked, this, [this] { OnPrinterPaperSizes(); });
    connect(m_custom, &QRadioButton::clicked, this, [this] { OnCustomPaperSize(); });
    connect(apply, &QPushButton::clicked, this, [this] { OnApplyCustomSize(); });
}

void CMapPrintDialog::CreateScalingControls() {
    Group(QStringLiteral("Scaling"), Dlu(20, 218, 259, 114), this);
    Label(QStringLiteral("Drawing dimensions"), Dlu(58, 202, 124, 17), this, Qt::AlignHCenter);
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setTickPosition(QSlider::TicksBothSides);
    m_slider->setGeometry(Dlu(30, 229, 236, 25));
    m_scale = NumberEdit(Dlu(45, 270, 60, 14), this, QStringLiteral("scale"));
    QPushButton* apply = Button(QStringLiteral("Apply"), Dlu(143, 270, 50, 14), this, "applyScaling");
    Label(QStringLiteral("Top margin"), Dlu(36, 299, 56, 14), this);
    m_topMargin = NumberEdit(Dlu(104, 299, 39, 14), this, QStringLiteral("topMargin"));
    Label(QStringLiteral("Left margin"), Dlu(155, 299, 55, 14), this);
    m_leftMargin = NumberEdit(Dlu(222, 299, 39, 14), this, QStringLiteral("leftMargin"));
    m_topMargin->setAlignment(Qt::AlignRight);
    m_leftMargin->setAlignment(Qt::AlignRight);

    connect(apply, &QPushButton::clicked, this, [this] { OnApplyScaling(); });
    // The preview follows the slider at once; the typed scale waits for Apply.
    connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
        m_scale->setText(QString::number(position));
        m_preview->update();
    });
}

void CMapPrintDialog::CreateOutputControls() {
    m_preview = new PreviewFrame(this, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setGeometry(Dlu(307, 124, 234, 121));
    m_progress = new QProgressBar(this);
    m_progress->setTextVisible(false);
    m_progress->setGeometry(QRect(Dlu(308, 0, 291, 9).x(), kBelowPreview, Dlu(0, 0, 291, 0).width(), 15));
    const int buttonsY = kBelowPreview + 30;
    QPushButton* print = Button(QStringLiteral("Print"), Dlu(421, 0, 50, 14).translated(0, buttonsY), this);
    QPushButton* ok = Button(QStringLiteral("OK"), Dlu(505, 0, 50, 14).translated(0, buttonsY), this);
    QPushButton* cancel = Button(QStringLiteral("Cancel"), Dlu(570, 0, 50, 14).translated(0, buttonsY), this);
    ok->setDefault(true);

    connect(print, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CMapPrintDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        OnShowWindow();
}

void CMapPrintDialog::OnShowWindow() {
    m_printers->clear();
    m_printers->addItems(QPrinterInfo::availablePrinterNames());
    // A PDF file can always be printed to; where there is no printer it is the one choice.
    m_printers->addItem(kPdfFileEntry, true);
    const QString defaultPrinter = QPrinterInfo::defaultPrinterName();
    if (m_printers->count() == 1)
        m_printers->setCurrentIndex(0);
    else
        m_printers->setCurrentIndex(
            defaultPrinter.isEmpty() ? -1 : m_printers->findText(defaultPrinter, Qt::MatchFixedString));
    m_landscape->setChecked(true);
    m_portrait->setChecked(false);
    m_slider->setRange(kSliderMin, kSliderMax);
    m_slider->setTickInterval(4);
    m_slider->setValue(kSliderStart);
    m_scale->setText(QString::number(kSliderStart));
    CheckPaperSource(m_printerPapers);
    FillPrinterPaperList();
    m_topMargin->setText(QStringLiteral("0"));
    m_leftMargin->setText(QStringLiteral("0"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
}

void CMapPrintDialog::CheckPaperSource(QRadioButton* source) {
    for (QRadioButton* radio : {m_allPapers, m_printerPapers, m_custom})
        radio->setChecked(radio == source);
}

std::optional<CMapPrintDialog::PrinterPapers> CMapPrintDialog::ChosenPrinterPapers() const {
    if (m_printers->currentIndex() < 0)
        return std::nullopt;
    if (PdfFileChosen()) {
        PrinterPapers pdf{.codes = {}, .current = kPdfFilePaper};
        for (int code = 1; code <= kPaperCount; ++code)
            pdf.codes.append(code);
        return pdf;
    }
    const QPrinterInfo printer = QPrinterInfo::printerInfo(m_printers->currentText());
    if (printer.isNull())
        return std::nullopt;
    return PrinterPapers{.codes = PaperCodes(printer.supportedPageSizes()),
                         .current = PaperCode(printer.defaultPageSize())};
}

bool CMapPrintDialog::PdfFileChosen() const {
    return m_printers->currentData().toBool();
}

void CMapPrintDialog::FillPrinterPaperList() {
    if (!m_printerPapers->isChecked())
        return;
    m_papers->clear();
    const std::optional<PrinterPapers> printer = ChosenPrinterPapers();
    if (!printer)
        return;
    m_nPrinterPaper = qint16(printer->current);
    m_nPaperListSel = 0;
    for (int code : printer->codes) {
        m_papers->addItem(PaperName(code - 1));
        if (code == m_nPrinterPaper) {
            m_nPaperListSel = m_papers->count() - 1;
            m_nPaperIndex = qint16(code - 1);
            m_sizeText->setText(PaperSizeText(code - 1));
        }
    }
    m_papers->setCurrentIndex(m_papers->count() ? m_nPaperListSel : -1);
    UpdatePaperSize();
}

void CMapPrintDialog::FillAllPaperList() {
    m_nPaperListSel = 0;
    m_nPaperIndex = 0;
    CheckPaperSource(m_allPapers);
    m_papers->clear();
    for (int index = 0; index < kPaperCount; ++index) {
        m_papers->addItem(PaperName(index));
        if (index + 1 == m_nPrinterPaper) {
            m_nPaperListSel = m_nPaperIndex = qint16(index);
            m_sizeText->setText(PaperSizeText(index));
        }
    }
    m_papers->setCurrentIndex(m_nPaperListSel);
}

int CMapPrintDialog::GetPaperIndex() const {
    if (m_allPapers->isChecked())
        return m_papers->currentIndex();
    return PaperIndexOfName(m_papers->currentText());
}

std::optional<QSize> CMapPrintDialog::CustomSize() const {
    bool wideOk = false;
    bool highOk = false;
    const int width = m_customWidth->text().toInt(&wideOk);
    const int height = m_customHeight->text().toInt(&highOk);
    const auto fits = [](int mm) { return mm >= 1 && mm <= kMaxCustomMillimetres; };
    if (!wideOk || !highOk || !fits(width) || !fits(height)) {
        ShowMessage(kBadCustomSize);
        return std::nullopt;
    }
    return QSize(width, height);
}

void CMapPrintDialog::UpdatePaperSize() {
    QSize paper;
    if (m_custom->isChecked()) {
        const std::optional<QSize> custom = CustomSize();
        if (!custom)
            return;
        paper = *custom;
    } else {
        const int index = GetPaperIndex();
        if (index < 0) {
            m_sizeText->setText(kNoPaperSize);
            return;
        }
        m_nPaperIndex = qint16(index);
        paper = QSize(PaperTable()[std::size_t(index)].width, PaperTable()[std::size_t(index)].height);
        m_sizeText->setText(PaperSizeText(index));
    }
    if (const std::optional<QSize> frame =
            PreviewFrameSize(paper.width(), paper.height(), m_portrait->isChecked())) {
        m_preview->setGeometry(QRect(kPreviewAt, *frame));
        m_preview->show();
    }
    update();
}

void CMapPrintDialog::OnPortrait() {
    m_portrait->setChecked(true);
    m_landscape->setChecked(false);
    UpdatePaperSize();
}

void CMapPrintDialog::OnLandscape() {
    m_landscape->setChecked(true);
    m_portrait->setChecked(false);
    UpdatePaperSize();
}

void CMapPrintDialog::OnPrinterPaperSizes() {
    CheckPaperSource(m_printerPapers);
    FillPrinterPaperList();
}

void CMapPrintDialog::OnCustomPaperSize() {
    CheckPaperSource(m_custom);
}

void CMapPrintDialog::OnApplyCustomSize() {
    CheckPaperSource(m_custom);
    UpdatePaperSize();
}

void CMapPrintDialog::OnApplyScaling() {
    bool ok = false;
    const int typed = m_scale->text().toInt(&ok);
    m_slider->setValue(ok ? std::clamp(typed, kSliderMin, kSliderMax) : kSliderMin);
    m_scale->setText(QString::number(m_slider->value()));
    m_preview->update();
}

PaperMillimetres CMapPrintDialog::PreviewPaper() const {
    if (m_custom->isChecked())
        return {m_customWidth->text().toInt(), m_customHeight->text().toInt()};
    const int index = GetPaperIndex();
    if (index < 0)
        return {};
    const PaperSize& paper = PaperTable()[std::size_t(index)];
    return {paper.width / 10, paper.height / 10};
}

PageMargins CMapPrintDialog::Margins() const {
    return {m_topMargin->text().toInt(), m_leftMargin->text().toInt()};
}

int CMapPrintDialog::DrawPreview(QPainter& painter) {
    const GridGeometry grid =
        PreviewGeometry(m_preview->size(), m_slider->value(), PreviewPaper(), Margins());
    if (grid.width <= 0 || grid.height <= 0)
        return -1;
    const std::optional<QImage> image = ComposePage(grid, Tiles());
    if (!image)
        return -1;
    painter.drawImage(QPoint(0, 3), *image);
    return 0;
}

void CMapPrintDialog::OnPrint() {
    if (m_printers->currentIndex() < 0)
        return;
    PrintRequest request;
    if (m_custom->isChecked()) {
        const std::optional<QSize> custom = CustomSize();
        if (!custom)
            return;
        request.pageSize = QPageSize(QSizeF(*custom), QPageSize::Millimeter);
    } else {
        request.pageSize = PageSizeOfCode(m_nPaperIndex + 1);
    }
    request.orientation = m_portrait->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
    request.slider = m_slider->value();
    request.attribution = Attribution();
    request.margins = Margins();

    PrintProgress progress;
    progress.started = [this](int columns) {
        m_progress->setRange(0, columns);
        m_progress->setValue(1);
    };
    progress.column = [this](int column) { m_progress->setValue(column); };
    progress.finished = [this](int columns) { m_progress->setValue(columns); };
    bool printed = false;
    if (!PdfFileChosen()) {
        printed = PrintOnPrinter(m_printers->currentText(), request, Tiles(), progress);
    } else if (const std::optional<QString> file = AskPdfFileName(this)) {
        printed = PrintToPdfFile(*file, request, Tiles(), progress);
    } else {
        return;
    }
    // A job that has not gone leaves no sign of having printed.
    if (!printed)
        m_progress->setValue(0);
}
