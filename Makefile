# make run   : installs what is missing, builds (Release) and starts Rinsal
# make test  : installs, builds and runs the whole test suite
# make package, make install PREFIX=... : below
BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD  ?= build-windows
JOBS       ?= $(shell nproc)
CMAKE_OPTS  = -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_SLOPPINESS = pch_defines,time_macros

.PHONY: deps build run test test-asan fuzz bench package install windows test-windows clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_OPTS) >/dev/null
	cmake --build $(BUILD) -j$(JOBS)

run: build
	@bash scripts/run.sh $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DRINSAL_SANITIZE=ON $(CMAKE_OPTS) >/dev/null
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j$(JOBS)

fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

bench: build
	@bash scripts/bench.sh $(BUILD)

# make windows : the 64-bit Windows setup program, $(WIN_BUILD)/Rinsal-*-setup.exe
windows: build
	@bash scripts/windows.sh $(BUILD) $(WIN_BUILD)

# make test-windows : the suite, the batch printer and the setup program under wine
test-windows: windows
	@bash tests/windows/test-windows.sh $(BUILD) $(WIN_BUILD)

# make package : the Debian package, $(BUILD)/pacchetto/rinsal_*.deb
package: build
	cd $(BUILD) && cpack -G DEB

# make install PREFIX=/opt/rinsal : bin/ and share/ under PREFIX (default /usr/local)
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(WIN_BUILD) build-fuzz build-fuzz-lsan
