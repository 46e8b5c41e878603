#include "app/form_settings.h"

#include <QAction>
#include <QApplication>
#include <QSplitter>
#include <limits>

#include "app/colour_value.h"
#include "app/headword_list_model.h"
#include "app/language_controller.h"
#include "app/main_form.h"
#include "app/splitter_edge.h"

namespace lexorin {
namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

int32_t Clamped(size_t count) {
  return static_cast<int32_t>(std::min<size_t>(count, std::numeric_limits<int32_t>::max()));
}

int32_t FontColourOf(const QWidget& control) {
  const QColor colour = control.palette().color(QPalette::Text);
  if (colour == QApplication::palette(&control).color(QPalette::Text)) return kSystemWindowTextColour;
  return ColourValueOf({static_cast<uint8_t>(colour.red()), static_cast<uint8_t>(colour.green()),
                        static_cast<uint8_t>(colour.blue())});
}

}  // namespace

FormSettings::FormSettings(MainForm& form, SessionState& session, SelectablePaths& selectablePaths,
                           LanguageController& language)
    : form_(form), session_(session), selectablePaths_(selectablePaths), language_(language) {}

std::string& FormSettings::SelectablePath(size_t index) {
  std::string SelectablePaths::*const kFields[] = {&SelectablePaths::headwords, &SelectablePaths::offsets,
                                                   &SelectablePaths::lengths, &SelectablePaths::entries};
  return selectablePaths_.*kFields[index];
}

std::optional<StoredData> FormSettings::Get(const StoredValue& value) {
  switch (value.target) {
    case LiveTarget::CheckMark:
    case LiveTarget::InterfaceLanguage: return form_.MenuItem(value.subject)->isChecked() ? 1 : 0;
    case LiveTarget::MiniModeCounter: return session_.miniModeCounter;
    case LiveTarget::WindowTop: return form_.y();
    case LiveTarget::WindowLeft: return form_.x();
    case LiveTarget::WindowWidth: return form_.width();
    case LiveTarget::WindowHeight: return form_.height();
    case LiveTarget::LowerPaneEdge:
    case LiveTarget::RightColumnEdge: {
      const auto* splitter = form_.findChild<QSplitter*>(Q(value.subject));
      if (!splitter) return std::nullopt;
      return SplitterEdge(*splitter);
    }
    case LiveTarget::FontName:
    case LiveTarget::FontSize:
    case LiveTarget::FontColour: {
      const auto* control = form_.findChild<QWidget*>(Q(value.subject));
      if (!control) return std::nullopt;
      if (value.target == LiveTarget::FontName) return control->font().family().toStdString();
      if (value.target == LiveTarget::FontSize) return control->font().pointSize();
      return FontColourOf(*control);
    }
    case LiveTarget::WordCount: return Clamped(form_.Controls(static_cast<PaneId>(value.index)).model->size());
    case LiveTarget::SelectablePath: return SelectablePath(value.index);
    case LiveTarget::Speaker: return session_.speakers[value.index];
    case LiveTarget::ActiveGroup: return std::string(SavedNameOfActiveGroup(form_.Marks()));
  }
  return std::nullopt;
}

void FormSettings::Set(const StoredValue& value, const StoredData& data) {
  if (const auto* text = std::get_if<std::string>(&data)) {
    if (value.target == LiveTarget::SelectablePath) {
      SelectablePath(value.index) = *text;
    } else if (value.target == LiveTarget::FontName && !text->empty()) {
      if (auto* control = form_.findChild<QWidget*>(Q(value.subject))) {
        QFont font = control->font();
        font.setFamily(QString::fromStdString(*text));
        control->setFont(font);
      }
    }
    return;
  }
  const int32_t number = std::get<int32_t>(data);
  switch (value.target) {
    case LiveTarget::CheckMark: form_.MenuItem(value.subject)->setChecked(number != 0); break;
    case LiveTarget::InterfaceLanguage:
      // The item's own click turns the mark back and applies the language.
      form_.MenuItem(value.subject)->setChecked(number == 0);
      language_.GiaodintingAnh1Click();
      break;
    case LiveTarget::MiniModeCounter: session_.miniModeCounter = number; break;
    case LiveTarget::WindowTop: form_.move(form_.x(), number); break;
    case LiveTarget::WindowLeft: form_.move(number, form_.y()); break;
    case LiveTarget::WindowWidth: form_.resize(number, form_.height()); break;
    case LiveTarget::WindowHeight: form_.resize(form_.width(), number); break;
    case LiveTarget::LowerPaneEdge:
    case LiveTarget::RightColumnEdge:
      if (!EdgeAppliesAtMiniModeStep(value.target, session_.miniModeCounter)) break;
      if (auto* splitter = form_.findChild<QSplitter*>(Q(value.subject))) SetSplitterEdge(*splitter, number);
      break;
    case LiveTarget::FontSize:
      if (number <= 0) break;
      if (auto* control = form_.findChild<QWidget*>(Q(value.subject))) {
        QFont font = control->font();
        font.setPointSize(number);
        control->setFont(font);
      }
      break;
    case LiveTarget::FontColour:
      if (const auto rgb = RgbOfColourValue(number)) {
        if (auto* control = form_.findChild<QWidget*>(Q(value.subject))) {
          QPalette palette = control->palette();
          palette.setColor(QPalette::Text, QColor(rgb->red, rgb->green, rgb->blue));
          control->setPalette(palette);
        }
      }
      break;
    case LiveTarget::Speaker: session_.speakers[value.index] = number; break;
    case LiveTarget::FontName:
    case LiveTarget::WordCount:
    case LiveTarget::SelectablePath:
    case LiveTarget::ActiveGroup: break;
  }
}

}  // namespace lexorin
