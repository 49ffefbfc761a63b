#pragma once
// The control model's classes by name only, for the screens' sets of controls, which hold
// references and need no definitions.
namespace ui {
class BitBtn;
class Button;
class CheckBox;
class ComboBox;
class Control;
class DBCheckBox;
class DBComboBox;
class DBEdit;
class DBGrid;
class DBMemo;
class DBNavigator;
class Edit;
class Gauge;
class Image;
class Label;
class Memo;
class PageControl;
class Panel;
class RadioButton;
class RichEdit;
class SpeedButton;
class StatusBar;
class TabSheet;
class WebBrowser;
class WinControl;
}  // namespace ui
