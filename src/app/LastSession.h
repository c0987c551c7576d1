#pragma once

namespace logivane {

class TCircuitDocument;
class TMainForm;
struct TProgramSettings;

/// Keeps in `settings` the circuit that `document` holds, with its whole path (none when it has
/// no file), and the macro level shown.
void KeepLastSession(const TCircuitDocument& document, TProgramSettings& settings);

/// Opens in `window` the circuit kept at the last exit and goes down to the level then shown.
/// A circuit since moved or deleted is passed over quietly, and a way down that no longer fits
/// the file leaves the root shown. True when the circuit opened.
bool ReopenLastSession(TMainForm& window, const TProgramSettings& settings);

}  // namespace logivane
