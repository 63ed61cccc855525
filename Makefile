# Cienka nakładka na CMake: budowanie, uruchomienie, testy, benchmarki.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all build run test test-postgresql test-asan fuzz bench clean

all: build

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/run && ./taksatura

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-postgresql: build
	./scripts/test-postgresql.sh $(BUILD)

# Benchmarki: sieć przykładowa i sieci w skali kraju (pliki generowane raz do
# $(BUILD)/bench). Tylko mniejsze sieci: make bench ROZMIARY=5000,20000;
# wybrane pomiary: make bench BENCH_ARGS=--benchmark_filter=Wyszukiwanie.
ROZMIARY ?= 5000,20000,100000
BENCH_ARGS ?=
bench: $(BUILD)/build.ninja
	cmake -S . -B $(BUILD) -DTKS_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS) --target benchmarki
	cd $(BUILD) && ./bench/benchmarki --rozmiary=$(ROZMIARY) $(BENCH_ARGS)

# Cały zestaw testów z AddressSanitizer i UndefinedBehaviorSanitizer (clang),
# z wykrywaniem wycieków, we własnym folderze budowy. Wycieki w bibliotekach
# spoza programu (fontconfig itp.) pomija tests/sanitizers/lsan.supp.
ASAN_BUILD ?= build-asan
SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
$(ASAN_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTKS_ASAN=ON

test-asan: $(ASAN_BUILD)/build.ninja
	$(SAN_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Programy libFuzzer (tests/fuzz), każdy przez FUZZ_SECONDS sekund; nowe
# przykłady zbierają się w $(FUZZ_BUILD)/korpus, znaleziska w $(FUZZ_BUILD)/znaleziska.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTKS_FUZZ=ON -DTKS_TESTY=OFF

fuzz: $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_wszystkie
	$(SAN_ENV) ./scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD)
