#pragma once
#include <QObject>
#include <cstdint>

#include "app/render_slots.h"
#include "dictionary/catalogue.h"
#include "dictionary/pane_render.h"

namespace lexorin {

class LanguageController;
class MainForm;

// Shows a pane's selected entry on the pane's worker slot. The worker reads
// the dictionary snapshot it was started with and hands its runs to the view
// in a few large queued batches tagged with the render's generation.
class RenderController : public QObject {
  Q_OBJECT
 public:
  // Units of text a worker collects before handing them to its view.
  static constexpr size_t kBatchUnits = 32 * 1024;

  RenderController(MainForm& form, LanguageController& language);
  ~RenderController() override;

  void StartRender(PaneId pane);
  // Stops every worker and waits for them (at shutdown).
  void StopAll() { slots_.StopAll(); }

 private:
  void ReportOutcome(PaneId pane, uint64_t generation, PaneRenderOutcome outcome);

  MainForm& form_;
  LanguageController& language_;
  RenderSlots slots_;
};

}  // namespace lexorin
