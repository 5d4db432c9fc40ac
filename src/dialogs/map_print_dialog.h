#pragma once

#include "output/page_geometry.h"
#include "output/tile_grid.h"

#include <QDialog>
#include <QtGlobal>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QRadioButton;
class QSlider;
class QPainter;

// "Print Trekbuddy map": printer or "PDF file", paper (the printer's own sizes, the whole paper table or a
// custom size), orientation, tiles across the page, margins and a live preview, then one page per press of
// Print. The dialog stays open after printing. CPrintDlg and CPrintOSM differ only in where the tiles come
// from.
class CMapPrintDialog : public QDialog {
    Q_OBJECT
public:
    // Paper code of the chosen printer's current paper; replaced whenever the printer's paper list is loaded.
    qint16 m_nPrinterPaper = 9;
    qint32 m_nPaperListSel = 0;
    // Table index of the chosen standard paper, for the print job.
    qint16 m_nPaperIndex = 0;
    qint32 m_nFirstCol = 0;
    qint32 m_nFirstRow = 0;
    qint32 m_nTileWidth = 0;
    qint32 m_nTileHeight = 0;

    // Draws the preview with its top-left at the painter's origin; -1 when nothing was drawn.
    int DrawPreview(QPainter& painter);

protected:
    explicit CMapPrintDialog(QWidget* parent);
    void showEvent(QShowEvent* event) override;

    // The tile files the preview and the page are drawn from.
    virtual TileSource Tiles() const = 0;
    // The credit the printed map carries; none unless a tile server asks for one.
    virtual QString Attribution() const { return {}; }

private:
    void CreateControls();
    void CreatePaperControls();
    void CreateScalingControls();
    void CreateOutputControls();
    void OnShowWindow();
    // The chosen printer's papers as table codes, in its order, and its current paper.
    struct PrinterPapers {
        QList<int> codes;
        int current = 0;
    };
    std::optional<PrinterPapers> ChosenPrinterPapers() const;
    bool PdfFileChosen() const;
    void FillPrinterPaperList();
    void FillAllPaperList();
    void UpdatePaperSize();
    int GetPaperIndex() const;
    void OnPortrait();
    void OnLandscape();
    void OnPrinterPaperSizes();
    void OnCustomPaperSize();
    void OnApplyCustomSize();
    void OnApplyScaling();
    void OnPrint();
    void CheckPaperSource(QRadioButton* source);
    // The custom paper typed, in millimetres; nothing, and the user told, when it is not a paper size.
    std::optional<QSize> CustomSize() const;
    PaperMillimetres PreviewPaper() const;
    PageMargins Margins() const;

    QComboBox* m_printers;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
    QRadioButton* m_allPapers;
    QRadioButton* m_printerPapers;
    QComboBox* m_papers;
    QLabel* m_sizeText;
    QRadioButton* m_custom;
    QLineEdit* m_customWidth;
    QLineEdit* m_customHeight;
    QSlider* m_slider;
    QLineEdit* m_scale;
    QLineEdit* m_topMargin;
    QLineEdit* m_leftMargin;
    QWidget* m_preview;
    QProgressBar* m_progress;
};
