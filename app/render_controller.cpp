#include "app/render_controller.h"

#include "app/entry_view.h"
#include "app/headword_list_model.h"
#include "app/language_controller.h"
#include "app/main_form.h"
#include "app/run_batch.h"
#include "app/word_list_view.h"

namespace lexorin {

RenderController::RenderController(MainForm& form, LanguageController& language) : form_(form), language_(language) {}

RenderController::~RenderController() { slots_.StopAll(); }

void RenderController::StartRender(PaneId pane) {
  const PaneControls& controls = form_.Controls(pane);
  std::shared_ptr<const LoadedDictionary> dictionary = controls.model->dictionary();
  const std::optional<size_t> selected = controls.list->SelectedRow();
  EntryView* view = controls.view;
  std::shared_ptr<BatchMailbox> mailbox = view->mailbox();
  // A render with a selection supersedes whatever is still on its way to the
  // view; one without a selection leaves the view as it is.
  const uint64_t generation = selected ? view->BeginGeneration() : view->generation();

  slots_.Start(Pane(pane).workerSlot, [this, dictionary, pane, selected, view, mailbox,
                                        generation](std::stop_token stop) {
    if (!dictionary) return;
    BatchingRunSink sink(generation, kBatchUnits, [view, &mailbox](RunBatch&& batch) {
      mailbox->Put(std::move(batch));
      QMetaObject::invokeMethod(view, [view] { view->TakeDelivered(); }, Qt::QueuedConnection);
    });
    const PaneRenderOutcome outcome = RenderPaneEntry(*dictionary, pane, selected, sink, stop);
    // A stopped render keeps the part it wrote, unless a newer one took over.
    sink.Flush();
    if (outcome == PaneRenderOutcome::ReadError || outcome == PaneRenderOutcome::ConversionError) {
      QMetaObject::invokeMethod(
          this, [this, pane, generation, outcome] { ReportOutcome(pane, generation, outcome); }, Qt::QueuedConnection);
    }
  });
}

void RenderController::ReportOutcome(PaneId pane, uint64_t generation, PaneRenderOutcome outcome) {
  // The failure of a render that a newer one replaced is not reported.
  if (form_.Controls(pane).view->generation() != generation) return;
  if (outcome == PaneRenderOutcome::ReadError) {
    language_.ShowFixedMessage(kReadFileError, LanguageController::Waiting::No);
  } else {
    language_.ShowTableMessage(Message::IncreaseVirtualMemory, LanguageController::Waiting::No);
  }
}

}  // namespace lexorin
