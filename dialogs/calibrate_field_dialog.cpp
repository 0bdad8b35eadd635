#include "dialogs/calibrate_field_dialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <array>

#include "dialogs/millimetres.h"
#include "dialogs/outcome_view.h"
#include "dialogs/square_figure.h"
#include "resources/resource.h"
#include "service/families.h"
#include "service/format.h"
#include "service/text.h"

namespace zor::dialogs {

namespace svc = zor::service;
using namespace calibrate;
using zor::dialogs::qstr;

namespace {

using K = zor::platform::Kind;
using zor::platform::IDC_STATIC;

// Left: the picture, and below it the corrections of the last round. Right:
// the steps, mark, measure, apply. Below both: the rounds.
const zor::platform::ControlTemplate kCalibrateControls[] = {
    {IDC_FIGURE, K::Custom, "", 7, 7, 130, 118},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "1. Mark the corrected square and measure it."),
     147, 7, 206, 8},
    {IDC_MARK, K::Button, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Mark Corrected Square"), 147, 18, 100, 14},
    {IDC_STATIC, K::Label,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "2. Type the sizes you measured, in millimetres."), 147, 40, 206, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Width across the middle:"), 147, 55, 98, 8},
    {IDC_WIDTH, K::Edit, "", 250, 52, 60, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Width across the middle")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Height across the middle:"), 147, 71, 98, 8},
    {IDC_HEIGHT, K::Edit, "", 250, 68, 60, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Height across the middle")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Top edge:"), 147, 87, 98, 8},
    {IDC_TOP, K::Edit, "", 250, 84, 60, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Top edge")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Left edge:"), 147, 103, 98, 8},
    {IDC_LEFT, K::Edit, "", 250, 100, 60, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Left edge")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Nominal size:"), 147, 119, 98, 8},
    {IDC_NOMINAL, K::Edit, "", 250, 116, 60, 14, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Nominal size")},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "3. Send the corrections."), 147, 139, 98, 8},
    {IDC_APPLY, K::Button, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Apply"), 250, 136, 60, 14,
     zor::platform::DefaultButton},
    {IDC_STATUS, K::Custom, "", 147, 156, 206, 64},

    {IDC_STATIC, K::GroupBox, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Corrections"), 7, 130, 130, 88},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Now"), 60, 141, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "New"), 98, 141, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Scale X:"), 12, 152, 46, 8},
    {IDC_SCALE_X_NOW, K::Label, "", 60, 152, 36, 8},
    {IDC_SCALE_X_NEW, K::Label, "", 98, 152, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Scale Y:"), 12, 162, 46, 8},
    {IDC_SCALE_Y_NOW, K::Label, "", 60, 162, 36, 8},
    {IDC_SCALE_Y_NEW, K::Label, "", 98, 162, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Distortion X:"), 12, 172, 46, 8},
    {IDC_DISTORTION_X_NOW, K::Label, "", 60, 172, 36, 8},
    {IDC_DISTORTION_X_NEW, K::Label, "", 98, 172, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Distortion Y:"), 12, 182, 46, 8},
    {IDC_DISTORTION_Y_NOW, K::Label, "", 60, 182, 36, 8},
    {IDC_DISTORTION_Y_NEW, K::Label, "", 98, 182, 36, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Expected width:"), 12, 196, 62, 8},
    {IDC_EXPECTED_WIDTH, K::Label, "", 76, 196, 58, 8},
    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Expected height:"), 12, 206, 62, 8},
    {IDC_EXPECTED_HEIGHT, K::Label, "", 76, 206, 58, 8},

    {IDC_STATIC, K::Label, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Rounds:"), 7, 224, 60, 8},
    {IDC_ROUNDS, K::Custom, "", 7, 234, 346, 50, zor::platform::None,
     QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Calibration rounds")},
    {zor::platform::IDCANCEL, K::Button, QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "&Close"), 303, 290, 50, 14},
};

struct Field {
  int id;
  svc::Input input;
  bool required;
};
constexpr std::array<Field, 5> kFields = {{
    {IDC_WIDTH, svc::Input::CalibrationWidth, true},
    {IDC_HEIGHT, svc::Input::CalibrationHeight, true},
    {IDC_TOP, svc::Input::CalibrationTop, false},
    {IDC_LEFT, svc::Input::CalibrationLeft, false},
    {IDC_NOMINAL, svc::Input::CalibrationNominal, false},
}};

QString Millimetres(double value) { return zor::dialogs::FormatMillimetres(value, QLocale()); }

QString Pair(double a, double b) { return QStringLiteral("%1 × %2").arg(Millimetres(a), Millimetres(b)); }

// The text a Set sends, or what the controller keeps when that half is not sent.
QString NewValue(const std::u16string& text, const std::u16string& kept) { return qstr(text.empty() ? kept : text); }

}  // namespace

const zor::platform::DialogTemplate kCalibrateTemplate = {
    zor::resources::IDD_CALIBRATE_FIELD,
    QT_TRANSLATE_NOOP("CalibrateFieldTemplate", "Calibrate Field"),
    360,
    311,
    8,
    kCalibrateControls,
    "CalibrateFieldTemplate"};

CalibrateFieldDialog::CalibrateFieldDialog(svc::Maintenance& service, zor::platform::Prompter& prompter,
                                           QWidget* parent)
    : zor::platform::Dialog(kCalibrateTemplate, prompter, parent), m_service(service) {
  bindCommands({
      {IDC_MARK, [this] { OnMark(); }},
      {IDC_APPLY, [this] { OnApply(); }},
  });
}

QWidget* CalibrateFieldDialog::createCustomControl(const zor::platform::ControlTemplate& t) {
  if (t.id == IDC_FIGURE) return new zor::dialogs::SquareFigure(this);
  if (t.id == IDC_STATUS) {
    auto* status = new QLabel(this);
    status->setWordWrap(true);
    status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return status;
  }
  if (t.id == IDC_ROUNDS) {
    m_pRounds = new QTableWidget(0, RoundColumnCount, this);
    m_pRounds->setHorizontalHeaderLabels(
        {tr("Round"), tr("Width × height (mm)"), tr("Top / left (mm)"), tr("Expected (mm)"), tr("Result")});
    m_pRounds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pRounds->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pRounds->setTabKeyNavigation(false);  // Tab leaves the list, the arrows move in it
    m_pRounds->verticalHeader()->hide();
    m_pRounds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pRounds->horizontalHeader()->setStretchLastSection(true);
    return m_pRounds;
  }
  return nullptr;
}

bool CalibrateFieldDialog::OnInitDialog() {
  zor::platform::Dialog::OnInitDialog();
  // The status is read as what it says, not under the name of a field.
  GetDlgItem(IDC_STATUS)->setAccessibleName(QString());
  for (const Field& field : kFields) {
    auto* edit = item<QLineEdit>(field.id);
    edit->setAccessibleDescription(tr("millimetres"));
    // Sizes being typed: Enter applies them, whatever step came before.
    connect(edit, &QLineEdit::textEdited, this, [this] { SetDefaultStep(IDC_APPLY); });
  }
  item<QLineEdit>(IDC_TOP)->setPlaceholderText(tr("optional"));
  item<QLineEdit>(IDC_LEFT)->setPlaceholderText(tr("optional"));
  item<QLineEdit>(IDC_NOMINAL)->setPlaceholderText(tr("from the lens"));
  GetDlgItem(IDC_TOP)->setAccessibleDescription(tr("millimetres, corner to corner; optional, with the left edge"));
  GetDlgItem(IDC_LEFT)->setAccessibleDescription(tr("millimetres, corner to corner; optional, with the top edge"));
  GetDlgItem(IDC_NOMINAL)->setAccessibleDescription(tr("millimetres; empty: half the field's side from the lens"));
  EnableDlgItem(IDC_MARK, svc::FamilyHas(svc::KnownFamily(m_service.identity()), svc::Feature::SquareMarks));
  SetStatus(
      tr("Mark the corrected square and measure it: the width and the height across the middle and, to "
         "straighten the edges, the top and the left edge from corner to corner. Type the sizes and press "
         "Apply."));
  GetDlgItem(GetDlgItem(IDC_MARK)->isEnabled() ? IDC_MARK : IDC_WIDTH)->setFocus();
  return true;
}

void CalibrateFieldDialog::OnMark() {
  if (!zor::dialogs::ShowOutcome(*this, m_service.mark(svc::Figure::CorrectedSquare), windowTitle())) return;
  SetStatus(tr("The corrected square was marked. Measure it, type the sizes and press Apply."));
  SetDefaultStep(IDC_APPLY);
  FocusField(IDC_WIDTH);
}

std::optional<svc::CalibrationInput> CalibrateFieldDialog::TypedInput() {
  const QLocale locale;
  std::array<std::optional<double>, kFields.size()> values;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const Field& field = kFields[i];
    const QString text = GetDlgItemText(field.id);
    const zor::dialogs::TypedMillimetres typed = zor::dialogs::ParseMillimetres(text, locale);
    const QString name = GetDlgItem(field.id)->accessibleName();
    QString refusal;
    if (typed.state == zor::dialogs::TypedMillimetres::State::NotANumber) {
      const QString example = locale.toString(55.01, 'f', 2);
      const QString forms =
          example.contains(QLatin1Char('.')) ? example : tr("%1 or %2").arg(example, QStringLiteral("55.01"));
      refusal = tr("%1: \"%2\" is not a number of millimetres. Type it as %3. Nothing was sent.")
                    .arg(name, svc::OneLine(text.trimmed()), forms);
    } else if (typed.state == zor::dialogs::TypedMillimetres::State::Empty && field.required) {
      refusal = tr("%1: type the size you measured, in millimetres. Nothing was sent.").arg(name);
    }
    if (!refusal.isEmpty()) {
      prompter().showMessage(this, refusal, windowTitle(), zor::platform::Prompter::Icon::Warning);
      FocusField(field.id);
      return std::nullopt;
    }
    if (typed.state == zor::dialogs::TypedMillimetres::State::Number) values[i] = typed.value;
  }
  svc::CalibrationInput input;
  input.measured.widthMm = *values[0];
  input.measured.heightMm = *values[1];
  input.measured.topMm = values[2];
  input.measured.leftMm = values[3];
  input.nominalMm = values[4];
  return input;
}

void CalibrateFieldDialog::OnApply() {
  const std::optional<svc::CalibrationInput> input = TypedInput();
  if (!input) return;
  const svc::Reading<svc::CalibrationPlan> planned = m_service.planCalibration(*input);
  if (!zor::dialogs::ShowOutcome(*this, planned, windowTitle())) {
    for (const Field& field : kFields)
      if (planned.status == svc::Status::Refused && planned.input == field.input) FocusField(field.id);
    return;
  }
  const svc::CalibrationPlan& plan = planned.value;
  ShowPlan(plan);
  if (plan.withinTolerance) {
    AddRound(plan, tr("Within tolerance; nothing sent"));
    const svc::CalibrationTolerance tolerance = input->tolerance;
    SetStatus(tr("The square is within tolerance (each size within %1 % of nominal, each edge within %2 mm of "
                 "its middle size): nothing was sent.")
                  .arg(QLocale().toString(tolerance.percent), QLocale().toString(tolerance.edgeMm)));
    return;
  }
  const svc::Outcome sent = m_service.applyCalibration(plan);
  if (!zor::dialogs::ShowOutcome(*this, sent, windowTitle())) {
    AddRound(plan, sent.status == svc::Status::NotConnected ? tr("Not sent: no system") : tr("Not taken"));
    // What was not taken stays in view; the next round starts from what the controller holds then.
    SetStatus(tr("%1\n\nApply again to read the corrections afresh and send what they then need.")
                  .arg(sent.message.empty() ? tr("The new corrections were not sent.") : qstr(sent.message)));
    return;
  }
  AddRound(plan, tr("Sent"));
  SetStatus(
      tr("The new corrections were sent. Mark the corrected square again and measure it: if it is not "
         "within tolerance yet, apply its sizes for another round."));
  // A round whose square lies no closer to nominal than the last one's says so.
  if (const auto warning = m_lastApplied ? svc::CalibrationProgress(*m_lastApplied, plan) : std::nullopt)
    prompter().showMessage(this, qstr(*warning), windowTitle(), zor::platform::Prompter::Icon::Warning);
  m_lastApplied = svc::CalibrationJson(plan, true);
  if (!GetDlgItem(IDC_MARK)->isEnabled()) return;
  SetDefaultStep(IDC_MARK);
  GetDlgItem(IDC_MARK)->setFocus();
}

void CalibrateFieldDialog::ShowPlan(const svc::CalibrationPlan& plan) {
  const std::array<std::pair<int, QString>, 10> values = {{
      {IDC_SCALE_X_NOW, qstr(svc::FormatFixed5(plan.oldScale.x))},
      {IDC_SCALE_X_NEW, NewValue(plan.scaleXText, svc::FormatFixed5(plan.newScale.x))},
      {IDC_SCALE_Y_NOW, qstr(svc::FormatFixed5(plan.oldScale.y))},
      {IDC_SCALE_Y_NEW, NewValue(plan.scaleYText, svc::FormatFixed5(plan.newScale.y))},
      {IDC_DISTORTION_X_NOW, qstr(svc::FormatUnsigned(plan.oldDistortion.x))},
      {IDC_DISTORTION_X_NEW, NewValue(plan.distortionXText, svc::FormatUnsigned(plan.newDistortion.x))},
      {IDC_DISTORTION_Y_NOW, qstr(svc::FormatUnsigned(plan.oldDistortion.y))},
      {IDC_DISTORTION_Y_NEW, NewValue(plan.distortionYText, svc::FormatUnsigned(plan.newDistortion.y))},
      {IDC_EXPECTED_WIDTH, tr("%1 mm").arg(Millimetres(plan.expectedWidthMm))},
      {IDC_EXPECTED_HEIGHT, tr("%1 mm").arg(Millimetres(plan.expectedHeightMm))},
  }};
  for (const auto& [id, text] : values) SetDlgItemText(id, text);
}

void CalibrateFieldDialog::AddRound(const svc::CalibrationPlan& plan, const QString& result) {
  const int row = m_pRounds->rowCount();
  const svc::SquareSizes& m = plan.measured;
  const QString edges = m.topMm && m.leftMm
                            ? QStringLiteral("%1 / %2").arg(Millimetres(*m.topMm), Millimetres(*m.leftMm))
                            : tr("not measured");
  const QString cells[RoundColumnCount] = {QString::number(row + 1), Pair(m.widthMm, m.heightMm), edges,
                                           Pair(plan.expectedWidthMm, plan.expectedHeightMm), result};
  m_pRounds->insertRow(row);
  for (int c = 0; c < RoundColumnCount; ++c) m_pRounds->setItem(row, c, new QTableWidgetItem(cells[c]));
  m_pRounds->setCurrentCell(row, 0);
  m_pRounds->scrollToItem(m_pRounds->item(row, 0));
}

void CalibrateFieldDialog::FocusField(int id) {
  auto* edit = item<QLineEdit>(id);
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void CalibrateFieldDialog::SetDefaultStep(int buttonId) {
  for (const int id : {IDC_MARK, IDC_APPLY}) item<QPushButton>(id)->setDefault(id == buttonId);
}

void CalibrateFieldDialog::SetStatus(const QString& text) { item<QLabel>(IDC_STATUS)->setText(text); }

}  // namespace zor::dialogs
