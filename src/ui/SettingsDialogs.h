#pragma once

class QWidget;

namespace ql::ui {

class CRadioCommands;

// "Common Setting...": the "Setting" sheet with its pages " Common ", " Display " and
// " MIC Option ", shown modally over parent.
void RunCommonSettingSheet(CRadioCommands& radio, QWidget* parent);
// "DTMF AutoDial...": the "DTMF Autodial" dialog, shown modally over parent.
void RunDtmfAutodial(CRadioCommands& radio, QWidget* parent);

}  // namespace ql::ui
