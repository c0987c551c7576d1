// Writes the seed circuits of the circuit-file fuzzer into the folder given on the command line:
//   logivane_write_circuit_seeds tests/fuzz/circuit-corpus

#include "TestHelpers.h"
#include "simulation/SampleCircuits.h"
#include "simulation/cCircuitFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QStringList arguments = QGuiApplication::arguments();
  if (arguments.size() != 2) {
    QTextStream(stderr) << "Usage: logivane_write_circuit_seeds FOLDER\n";
    return 1;
  }
  using namespace logivane;
  const QDir folder(arguments[1]);
  auto sub = test::NewRoot();
  test::AddSubCircuit(*sub, 100, 100, 3);
  std::vector<std::pair<QString, std::unique_ptr<TMacro>>> seeds;
  seeds.emplace_back("empty.lvm", std::make_unique<TMacro>());
  seeds.emplace_back("full-adder.lvm", test::FullAdder());
  seeds.emplace_back("counter.lvm", test::Counter());
  seeds.emplace_back("contention.lvm", test::Contention());
  seeds.emplace_back("sub-circuit.lvm", std::move(sub));
  seeds.emplace_back("every-device.lvm", test::EveryDeviceCircuit());
  for (const auto& [name, circuit] : seeds) {
    QString error;
    if (!SaveCircuitFile(folder.filePath(name), *circuit, QStringLiteral("Seed"), &error)) {
      QTextStream(stderr) << name << ": " << error << '\n';
      return 1;
    }
  }
  return 0;
}
