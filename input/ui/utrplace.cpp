#include "input/ui/utrplace.h"

#include "atlas/ui/AtlasSearch.h"

#include "input/ui/InputDialogKit.h"
#include "input/ui/Ucity.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>

#include <utility>

namespace {

// The width of the record's Place field; the edit takes no more, so what it shows is stored.
constexpr int kPlaceChars = 30;

} // namespace

TTrplaceDlg::TTrplaceDlg(nemra::TChartInput& chartInput, nemra::CityListState& cities,
                         std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : QDialog(parent)
    , FChartInput(chartInput)
    , FCities(cities)
    , FCityDataDirs(std::move(cityDataDirs))
{
    setObjectName(QStringLiteral("TrplaceDlg"));
    setWindowTitle(QStringLiteral("เลือกสถานที่"));
    setFont(ThaiDialogFont(9, true));
    CreateControls();
    LayOutControls();
    SetTabOrder();
    setFixedSize(395, 173);

    connect(Button1, &QPushButton::clicked, this, &TTrplaceDlg::Button1Click);
    connect(AtlasButton, &QPushButton::clicked, this, &TTrplaceDlg::AtlasButtonClick);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TTrplaceDlg::CreateControls()
{
    Edit1 = MakeEdit(this, "Edit1");
    Edit1->setMaxLength(kPlaceChars);

    std::tie(SpinEdit7, SpinEdit8, RadioButton3, RadioButton4, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6) =
        MakePositionControls(this);

    OKBtn = new QPushButton(QStringLiteral("ตกลง"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("ยกเลิก"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    Button1 = new QPushButton(QStringLiteral("จังหวัด/เมือง"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    AtlasButton = new QPushButton(QStringLiteral("เมืองทั่วโลก"), this);
    AtlasButton->setObjectName(QStringLiteral("AtlasButton"));
}

void TTrplaceDlg::LayOutControls()
{
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(3, 1);

    grid->addWidget(Button1, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 4);

    grid->addWidget(label(QStringLiteral("แลตติจูด")), 1, 0);
    grid->addWidget(SpinEdit7, 1, 1);
    grid->addWidget(SpinEdit8, 1, 2);
    grid->addWidget(RadioButton3, 1, 3);
    grid->addWidget(RadioButton4, 1, 4);

    grid->addWidget(label(QStringLiteral("ลองกิจูด")), 2, 0);
    grid->addWidget(SpinEdit9, 2, 1);
    grid->addWidget(SpinEdit10, 2, 2);
    grid->addWidget(RadioButton5, 2, 3);
    grid->addWidget(RadioButton6, 2, 4);

    // The atlas button sits with OK and Cancel: beside the place edit it would widen the dialog.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(AtlasButton);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 4, 0, 1, 6);
}

// The place, the latitude, the longitude, OK and Cancel, then the city button.
void TTrplaceDlg::SetTabOrder()
{
    QWidget* const order[] = {Edit1,        SpinEdit7,    SpinEdit8, RadioButton3, RadioButton4, SpinEdit9,  SpinEdit10,
                              RadioButton5, RadioButton6, OKBtn,     CancelBtn,    Button1,      AtlasButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    OKBtn->setFocus();
}

void TTrplaceDlg::FormCreate()
{
    const auto opening = nemra::OpenPlace(FChartInput);
    Edit1->setText(FromUtf8(opening.place));
    ShowPosition(opening.latitude, opening.longitude);
    Report(opening.failure);
}

void TTrplaceDlg::FormClose()
{
    nemra::WritePlace(Entry(), FChartInput);
}

void TTrplaceDlg::Button1Click()
{
    const nemra::CityListUndo undo(FCities, FChartInput);
    RunCityDialog();
    if (!FCities.CityChosen)
        return;
    const auto city = nemra::CityPositionFor(FCities.CityChoice);
    if (city.failure) { // a line that does not read whole changes nothing, the record included
        undo.Undo();
        Report(city.failure);
        return;
    }
    Edit1->setText(FromUtf8(city.place)); // the city list has already put it into the record
    ShowPosition(city.latitude, city.longitude);
}

void TTrplaceDlg::AtlasButtonClick()
{
    const auto place = RunAtlasDialog();
    if (!place)
        return;
    const nemra::ChartPlace texts = nemra::ChartPlaceAt(*place, {}).place; // the position needs no time
    Edit1->setText(FromUtf8(texts.Place.str()));
    ShowPosition(nemra::ReadLatitude(texts.Latitude), nemra::ReadLongitude(texts.Longitude));
}

nemra::PlaceEntry TTrplaceDlg::Entry() const
{
    return {Edit1->text().toStdString(), AngleOf(SpinEdit7, SpinEdit8, RadioButton3),
            AngleOf(SpinEdit9, SpinEdit10, RadioButton5)};
}

void TTrplaceDlg::ShowPosition(const std::optional<nemra::AngleEntry>& latitude,
                               const std::optional<nemra::AngleEntry>& longitude)
{
    if (latitude)
        ShowAngle(*latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    if (longitude)
        ShowAngle(*longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
}

// A message box cannot come before the dialog it belongs to: a failure found while the
// dialog is being created waits until the dialog is shown.
void TTrplaceDlg::Report(const std::optional<std::string>& failure)
{
    if (!failure)
        return;
    if (isVisible())
        ShowError(FromUtf8(*failure));
    else
        FPendingError = FromUtf8(*failure);
}

void TTrplaceDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!FPendingError.isEmpty() && !event->spontaneous())
        ShowError(std::exchange(FPendingError, QString()));
}

void TTrplaceDlg::done(int result)
{
    if (result == QDialog::Accepted)
        FormClose();
    QDialog::done(result);
}

void TTrplaceDlg::RunCityDialog()
{
    TFCity city(FCities, FChartInput, FCityDataDirs, this);
    city.exec();
}

std::optional<nemra::AtlasPlace> TTrplaceDlg::RunAtlasDialog()
{
    return ChooseAtlasPlace(this);
}

void TTrplaceDlg::ShowError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}
