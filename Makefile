# make run      installs what is missing, builds the game and starts it
# make test     installs what is missing, builds everything and runs every test
#               (each fuzzer among them for 20 s)
# make package  builds the Debian package zanbora_<version>_<arch>.deb
# make fuzz     runs every fuzzer for FUZZ_SECONDS each (default 300)
JOBS ?= $(shell nproc)

.PHONY: run test package fuzz deps deps-game deps-package build build-test clean

deps:
	@scripts/install-deps

deps-game:
	@scripts/install-deps game

deps-package:
	@scripts/install-deps package

# A player's build: the game alone, and a warning never stops it.
build: deps-game
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZANBORA_WERROR=OFF
	cmake --build build -j$(JOBS)

run: build
	./build/game/ZANBORA

# Tests run on the sanitizer build, without a display or a sound card. Ninja
# compiles a test program's files while the libraries it links are still
# being built, where make waits for each library first; a folder that an
# older make build left is configured afresh.
build-test: deps
	@if [ -f build-test/CMakeCache.txt ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' build-test/CMakeCache.txt; then \
	  rm -rf build-test; fi
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZANBORA_SANITIZE=ON -DBUILD_TESTING=ON -DZANBORA_WERROR=ON -DZANBORA_UNITY_BUILD=ON
	cmake --build build-test -j$(JOBS)

test: build-test
	cd build-test && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy ctest --output-on-failure -j$(JOBS)

# The package installs under /usr, in Debian's places for a game, built with
# Debian's hardening flags and stripped.
package: deps-package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS) -s" \
	cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF -DZANBORA_WERROR=OFF \
	  -DCMAKE_INSTALL_PREFIX=/usr -DZANBORA_DEBIAN_LAYOUT=ON
	cmake --build build-package -j$(JOBS)
	cd build-package && cpack -G DEB

FUZZ_SECONDS ?= 300
fuzz: deps
	fuzz/run-all $(FUZZ_SECONDS)

clean:
	rm -rf build build-test build-fuzz build-package
