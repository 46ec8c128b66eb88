// Small pieces the chart library's dialogs share: the line showing a chart's texts, the
// group box with the groups in use, and the program's question and message boxes.
#pragma once

#include "library/model/ChartStore.h"

#include <QString>

class QComboBox;
class QFormLayout;
class QWidget;

namespace nemra::ui {

// "วันที่ 15/03/2500  เวลา 9.30  เขตเวลา 7.00H  แลตติจูด 13.45N  ลองกิจูด 100.30E  จังหวัด/เมือง กรุงเทพฯ"
QString ChartTextsLine(const nemra::TChartInput& chart);

// An editable box of the groups in use and the usual ones (ลูกค้า, ครอบครัว, เหตุการณ์),
// empty at first.
QComboBox* MakeGroupCombo(QWidget* parent, const nemra::ChartStore& store);

// A row of a form: its label (named after the field, "<field>Label") and the field, with the
// label's shortcut taking the focus to the field.
void AddNamedRow(QFormLayout* form, const QString& text, QWidget* field);

// The confirmation box titled "โปรดยืนยัน!" with "ใช่" and "ไม่ใช่"; true on "ใช่".
bool AskYesNo(QWidget* parent, const QString& question);
void ShowLibraryError(QWidget* parent, const QString& text);
void ShowLibraryInfo(QWidget* parent, const QString& text);

} // namespace nemra::ui
