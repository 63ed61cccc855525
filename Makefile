# Cienka nakładka na CMake: budowanie, uruchomienie, testy, benchmarki.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc)

.PHONY: all build run test test-postgresql bench clean

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

clean:
	rm -rf $(BUILD)
