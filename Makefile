# make run   installs what is missing, builds the game and starts it
# make test  installs what is missing, builds everything and runs every test
#            (each fuzzer among them for 20 s)
# make fuzz  runs every fuzzer for FUZZ_SECONDS each (default 300)
JOBS ?= $(shell nproc)

.PHONY: run test fuzz deps build build-test clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$(JOBS)

run: build
	./build/game/ZANBORA

# Tests run on the sanitizer build, without a display or a sound card.
build-test: deps
	cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DZANBORA_SANITIZE=ON
	cmake --build build-test -j$(JOBS)

test: build-test
	cd build-test && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)

FUZZ_SECONDS ?= 300
fuzz: deps
	fuzz/run-all $(FUZZ_SECONDS)

clean:
	rm -rf build build-test build-fuzz
