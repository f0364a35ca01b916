#include "support/scripted_ui.h"

#include <cxxabi.h>

#include <cstdlib>

namespace tembrel::testing {

std::ostream& operator<<(std::ostream& os, UiEvent kind) {
  switch (kind) {
    case UiEvent::Beep: return os << "Beep";
    case UiEvent::Information: return os << "Information";
    case UiEvent::Error: return os << "Error";
    case UiEvent::Warning: return os << "Warning";
    case UiEvent::Ask: return os << "Ask";
    case UiEvent::ShowModal: return os << "ShowModal";
    case UiEvent::ProgressShown: return os << "ProgressShown";
    case UiEvent::ProgressHidden: return os << "ProgressHidden";
    case UiEvent::MessageShown: return os << "MessageShown";
    case UiEvent::MessageRemoved: return os << "MessageRemoved";
  }
  return os << "?";
}

std::ostream& operator<<(std::ostream& os, const UiRecord& r) {
  os << r.kind;
  if (!r.text.empty()) os << "(\"" << r.text << "\")";
  return os;
}

void ScriptedProgressWindow::OnShow() {
  captions_.push_back(Caption());
  highest_ = 0;
  log_.push_back({UiEvent::ProgressShown, Caption()});
}

void ScriptedProgressWindow::OnHide() { log_.push_back({UiEvent::ProgressHidden, Caption()}); }

void ScriptedProgressWindow::OnPosition() {
  if (Position() > highest_) highest_ = Position();
  if (cancel_at_ >= 0 && Position() >= cancel_at_) RequestCancel();
}

void ScriptedMessageWindow::ShowMsg(std::string_view text) {
  text_ = std::string(text);
  texts_.push_back(text_);
  shown_ = true;
  log_.push_back({UiEvent::MessageShown, text_});
}

void ScriptedMessageWindow::RemoveMsg() {
  shown_ = false;
  log_.push_back({UiEvent::MessageRemoved, {}});
}

namespace {

std::string Demangled(const char* name) {
  int status = 0;
  char* out = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  std::string text = status == 0 && out ? out : name;
  std::free(out);
  return text;
}

}  // namespace

ScriptedUi::ScriptedUi() : progress_(log_), message_(log_) {}

ScriptedUi::~ScriptedUi() {
  for (const auto& a : answers_)
    ADD_FAILURE() << "Scripted answer never asked for" << (a.check_text ? ": \"" + a.text + "\"" : std::string());
  for (const auto& [type, queue] : expectations_)
    for (const auto& e : queue)
      if (e.remaining > 0) ADD_FAILURE() << "Expected dialog " << Demangled(type.name()) << " was not opened";
}

ScriptedUi& ScriptedUi::AnswerAsk(Button answer) {
  answers_.push_back({false, {}, answer});
  return *this;
}

ScriptedUi& ScriptedUi::AnswerAsk(std::string expected_text, Button answer) {
  answers_.push_back({true, std::move(expected_text), answer});
  return *this;
}

std::vector<UiRecord> ScriptedUi::Messages() const {
  std::vector<UiRecord> out;
  for (const auto& r : log_)
    if (r.kind == UiEvent::Information || r.kind == UiEvent::Error || r.kind == UiEvent::Warning ||
        r.kind == UiEvent::Ask)
      out.push_back(r);
  return out;
}

std::vector<std::string> ScriptedUi::Texts() const {
  std::vector<std::string> out;
  for (const auto& r : Messages()) out.push_back(r.text);
  return out;
}

int ScriptedUi::Beeps() const {
  int n = 0;
  for (const auto& r : log_) n += r.kind == UiEvent::Beep;
  return n;
}

void ScriptedUi::Beep() { log_.push_back({UiEvent::Beep, {}}); }

Button ScriptedUi::Information(std::string_view text) {
  log_.push_back({UiEvent::Information, std::string(text)});
  return Button::Ok;
}

Button ScriptedUi::Error(std::string_view text) {
  log_.push_back({UiEvent::Error, std::string(text)});
  return Button::Ok;
}

Button ScriptedUi::Warning(std::string_view text) {
  log_.push_back({UiEvent::Warning, std::string(text)});
  return Button::Ok;
}

Button ScriptedUi::Ask(std::string_view text, bool /*warning*/) {
  log_.push_back({UiEvent::Ask, std::string(text)});
  if (answers_.empty()) {
    ADD_FAILURE() << "Unexpected question: \"" << text << "\"";
    return Button::No;
  }
  ScriptedAnswer a = answers_.front();
  answers_.pop_front();
  if (a.check_text) {
    EXPECT_EQ(a.text, text) << "The question asked is not the one scripted";
  }
  return a.answer;
}

std::unique_ptr<ProgressWindow> ScriptedUi::NewProgressWindow() {
  return std::make_unique<ScriptedProgressWindow>(log_);
}

void ScriptedUi::ProcessEvents() {
  ++process_events_calls_;
  if (on_process_events_) on_process_events_();
}

Button ScriptedUi::ShowModal(Form& form) {
  log_.push_back({UiEvent::ShowModal, std::string(form.ClassName())});
  auto it = expectations_.find(std::type_index(typeid(form)));
  if (it == expectations_.end() || it->second.empty()) {
    ADD_FAILURE() << "Unexpected dialog: " << form.ClassName();
    return Button::Cancel;
  }
  auto& queue = it->second;
  // Copy out: the expectation may open further dialogs that touch the queue.
  auto fn = queue.front().fn;
  if (--queue.front().remaining <= 0) queue.pop_front();
  Button result = fn(form);
  if (auto* modal = dynamic_cast<ModalForm*>(&form)) modal->FormClose();
  return result;
}

}  // namespace tembrel::testing
