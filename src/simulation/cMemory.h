#pragma once

#include "simulation/cDevice.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace logivane {

/**
 * @brief A RAM or ROM: address pins, a bidirectional data bus, an active-low chip select and,
 * for RAM, a read/write line (high reads, low writes).
 *
 * Pin order: the address pins (most significant first), the data pins (most significant first),
 * chip select, then read/write for RAM. The memory has no clock: while selected it reads or
 * writes on every evaluation.
 *
 * The size fixes the pin layout that `Calculate` relies on, so it changes only through
 * `BuildSymbol` and `Read`, both of which keep the pins, the widths and the words in agreement.
 */
class TMemoryDevice : public TDevice {
  LV_PERSISTENT(TMemoryDevice)
public:
  static constexpr std::int32_t MinAddressWidth = 4;
  static constexpr std::int32_t MaxAddressWidth = 14;
  static constexpr std::int32_t MaxDataWidth = 16;

  /// A 256 x 8 RAM.
  TMemoryDevice();
  ~TMemoryDevice() override;

  void Write(TSerializeWriter& writer) const override;
  /// Refuses a record whose sizes, word count and pin count do not agree.
  void Read(TSerializeReader& reader) override;

  /// Reads or writes the word addressed; while devices are primed (see `TPrimingScope`) it
  /// only reads.
  SimResult Calculate() override;
  void ExchangeState(TStateArchive& state) override;
  /// A selected memory drives its data pins while it reads.
  bool DrivesNet(const TPin& pin) const override;

  /// Whether a memory of these widths can be built: 4 to 14 address lines and 1, 2, 4, 8 or 16
  /// data lines.
  static bool IsValidSize(std::int32_t addressWidth, std::int32_t dataWidth);
  /// Replaces the symbol, the pins and the contents (all words 0) by those of a new memory.
  /// Throws `std::invalid_argument`, leaving the device as it was, when the size is not valid.
  void BuildSymbol(bool isRAM, std::int32_t addressWidth, std::int32_t dataWidth);
  /// The size shown on the symbol: "256 x 8", "512 x 4", "1K x 8", "16K x 16".
  QString SizeCaption() const;

  /// The word at `address`, zero-extended; 0 for an address outside the memory.
  std::int32_t GetWord(std::int32_t address) const;
  /// Stores the low 16 bits of `value`; an address outside the memory is ignored.
  void SetWord(std::int32_t value, std::int32_t address);
  void ClearContents();
  /// Replaces the contents by `count` zero words (none for a negative count).
  void AllocateContents(std::int32_t count);

  std::int32_t WordCount() const { return static_cast<std::int32_t>(FContents.size()); }
  const std::vector<std::uint16_t>& Contents() const { return FContents; }
  std::int32_t DataWidth() const { return FDataWidth; }
  std::int32_t AddressWidth() const { return FAddressWidth; }
  bool IsRAM() const { return FIsRAM; }
  /// The address of the most recent read or write.
  std::int32_t LastAddress() const { return FLastAddress; }

  /// Pin indices of the control lines.
  int ChipSelectPin() const { return FAddressWidth + FDataWidth; }
  int ReadWritePin() const { return ChipSelectPin() + 1; }
  int FirstDataPin() const { return FAddressWidth; }

private:
  static int PinCountFor(bool isRAM, std::int32_t addressWidth, std::int32_t dataWidth);
  void DrawSymbol();
  std::int32_t DecodeAddress() const;
  void DriveData(std::uint16_t word, SimResult& result);
  std::uint16_t DecodeData() const;

  std::vector<std::uint16_t> FContents;
  std::int32_t FDataWidth = 8;
  std::int32_t FAddressWidth = 8;
  bool FIsRAM = true;
  std::int32_t FLastAddress = 0;
};

}  // namespace logivane
